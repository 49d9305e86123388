// The web edition's benchmark, from the single file on disk in headless
// chromium: the time until the page is usable, one "Compute", tables of
// 10,000, 200,000 and 900,000 rows (the time from choosing one to all its
// shown rows on the page, the page's longest task meanwhile, the memory of
// the page's renderer process and its JavaScript heap after the run), and
// the size of voran.html. Prints the median of several runs beside each
// target (the larger tables once each).
// Usage: node web/browser_tests/bench.mjs WEB_DIR [RUNS]
import { mkdtempSync, readdirSync, readFileSync, rmSync, statSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

import { Launch, Open, Page_url } from './browser.mjs';

const web_dir = process.argv[2] || 'build-web';
const runs = Number(process.argv[3] || 5);
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
// The median, and the fastest run: on a busy machine the fastest shows the
// page's own cost best.
const figures = (values, digits, unit) =>
  `${median(values).toFixed(digits)} ${unit} (fastest ${Math.min(...values).toFixed(digits)})`;

function Table_of(rows) {
  const lines = ['id,sd,n,case_a,case_b,limits'];
  const limits = ['two-sided', 'lower', 'upper'];
  for (let row = 0; row < rows; ++row)
    lines.push(`P${row},${(5 + (row % 97) / 7).toFixed(2)},${[12, 20, 35, 60][row % 4]},${50 + (row % 41)},${30 + (row % 29)},${limits[row % 3]}`);
  return lines.join('\n') + '\n';
}

// The resident memory of the page's own renderer process, in MB: of the
// renderer processes of the browser launched with the marker switch, the
// largest one that does not draw the browser's own interface (a spare,
// empty renderer waiting for the next page is smaller than any that holds
// the page and its core). The worker of a run lives in this process too
// while it runs. The browser's other processes (its interface, the blob
// storage that holds the results for the download) are not the page's.
function Page_process_mb(marker) {
  const processes = readdirSync('/proc').filter((name) => /^\d+$/.test(name)).flatMap((pid) => {
    try {
      const stat = readFileSync(`/proc/${pid}/stat`, 'utf8');
      const fields = stat.slice(stat.lastIndexOf(')') + 2).split(' ');
      return [{ pid, parent: fields[1], rss_pages: Number(fields[21]),
        command: readFileSync(`/proc/${pid}/cmdline`, 'utf8') }];
    } catch (error) {
      return [];  // ended meanwhile
    }
  });
  const ours = new Set(processes.filter((p) => p.command.includes(marker)).map((p) => p.pid));
  for (let grown = true; grown;) {
    grown = false;
    for (const p of processes)
      if (!ours.has(p.pid) && ours.has(p.parent)) { ours.add(p.pid); grown = true; }
  }
  const pages = processes.filter((p) => ours.has(p.pid) && p.command.includes('--type=renderer') &&
    !p.command.includes('--top-chrome-webui'));
  return Math.max(0, ...pages.map((p) => p.rss_pages)) * 4096 / 1e6;
}

// The page shows the table's header and its first 1,000 rows.
const Shown_rows = 1000;

// A table of the size given: the time from choosing it to all its shown
// rows on the page, the page's longest task meanwhile (the browser reports
// tasks over 50 ms), and the page's memory once the run is over and its
// garbage collected: its renderer process, and its JavaScript heap.
async function Table_run(browser, marker, file, rows) {
  const { context, page } = await Open(browser, Page_url(web_dir), {
    before_scripts: () => {
      window.voran_longest_task = 0;
      window.voran_tasks_from = Infinity;
      const take = (entries) => {
        for (const entry of entries)
          if (entry.startTime >= window.voran_tasks_from)
            window.voran_longest_task = Math.max(window.voran_longest_task, entry.duration);
      };
      const observer = new PerformanceObserver((list) => take(list.getEntries()));
      observer.observe({ type: 'longtask', buffered: true });
      window.voran_take_tasks = () => take(observer.takeRecords());
    },
  });
  const session = await context.newCDPSession(page);
  await session.send('Performance.enable');
  const before = Page_process_mb(marker);
  // The tasks from the choice of the table on.
  await page.evaluate(() => { window.voran_tasks_from = performance.now(); });
  const start = performance.now();
  await page.getByLabel('Table of comparisons (CSV)').setInputFiles(file);
  await page.waitForFunction((shown) => / computed/.test(document.getElementById('table-status').textContent) &&
    document.querySelectorAll('#table-rows tr').length === 1 + shown, Math.min(rows, Shown_rows),
  { timeout: 0, polling: 100 });
  const time = performance.now() - start;
  // The last rows' layout comes with the next frame; a long task is
  // reported once it has ended.
  const longest = await page.evaluate(async () => {
    for (let frame = 0; frame < 2; ++frame)
      await new Promise((done) => requestAnimationFrame(() => setTimeout(done)));
    window.voran_take_tasks();
    return window.voran_longest_task;
  });
  await session.send('HeapProfiler.collectGarbage');
  // The worker's memory is handed back as it ends.
  await page.waitForTimeout(1000);
  const memory = Page_process_mb(marker);
  const { metrics } = await session.send('Performance.getMetrics');
  const heap = metrics.find((metric) => metric.name === 'JSHeapUsedSize').value / 1e6;
  await context.close();
  return { time, longest, memory, before, heap };
}

const folder = mkdtempSync(join(tmpdir(), 'voran-web-bench-'));
const marker = `--voran-bench=${process.pid}`;
const browser = await Launch([marker]);
try {
  const table = join(folder, 'table-10000.csv');
  writeFileSync(table, Table_of(10000));
  const usable = [];
  const compute_first = [];
  const compute = [];
  const plots = [];
  const tables = [];
  for (let run = 0; run < runs; ++run) {
    const { context, page } = await Open(browser, Page_url(web_dir));
    // From the start of navigation to the moment the core has started and
    // the controls are live.
    usable.push(await page.evaluate(() => performance.getEntriesByName('voran-ready')[0].startTime));
    // The first "Compute" of the page, then ten more.
    const [first, ...later] = await page.evaluate(() => {
      const values = ['10', '20', '50', '30'];
      values.forEach((value, slot) => { document.getElementById('input-' + slot).value = value; });
      const times = [];
      for (let click = 0; click < 11; ++click) {
        const start = performance.now();
        document.getElementById('compute').click();
        times.push(performance.now() - start);
      }
      return times;
    });
    compute_first.push(first);
    compute.push(...later);
    // One more "Compute" until its plot is on the page.
    plots.push(await page.evaluate(() => new Promise((done) => {
      const figure = document.getElementById('plot');
      figure.replaceChildren();
      const start = performance.now();
      new MutationObserver((changes, observer) => {
        observer.disconnect();
        done(performance.now() - start);
      }).observe(figure, { childList: true });
      document.getElementById('compute').click();
    })));
    await context.close();
    tables.push(await Table_run(browser, marker, table, 10000));
  }
  const large = [];
  for (const rows of [200000, 900000]) {
    const file = join(folder, `table-${rows}.csv`);
    writeFileSync(file, Table_of(rows));
    large.push({ rows, ...(await Table_run(browser, marker, file, rows)) });
  }
  const size = statSync(join(web_dir, 'voran.html')).size;
  const row = (what, value, target) => console.log(`${what.padEnd(40)} ${value.padStart(26)}   target ${target}`);
  console.log(`median of ${runs} runs, headless chromium, ${Page_url(web_dir)}`);
  row('page usable (navigation to ready)', figures(usable, 0, 'ms'), '< 1000 ms');
  row('the first "Compute" of the page', figures(compute_first, 2, 'ms'), '< 20 ms');
  row('a further "Compute"', figures(compute, 2, 'ms'), '< 20 ms');
  row('"Compute" until its plot is shown', figures(plots, 2, 'ms'), '(none)');
  const task = (ms) => (ms > 0 ? `${ms.toFixed(0)} ms` : 'none over 50 ms');
  row('table of 10,000 rows (choose to shown)', figures(tables.map((run) => run.time), 0, 'ms'), '< 5000 ms');
  row('  its longest task on the page', task(Math.max(...tables.map((run) => run.longest))), '< 100 ms');
  row('  page process after it', `${median(tables.map((run) => run.memory)).toFixed(0)} MB`, '< 300 MB');
  row('  page JavaScript heap after it', `${median(tables.map((run) => run.heap)).toFixed(1)} MB`, '(none)');
  for (const run of large) {
    row(`table of ${run.rows.toLocaleString('en-US')} rows (choose to shown)`, `${run.time.toFixed(0)} ms`, '(none)');
    row('  its longest task on the page', task(run.longest), '< 100 ms');
    row('  page process after it (before it)', `${run.memory.toFixed(0)} MB (${run.before.toFixed(0)} MB)`, '< 300 MB');
    row('  page JavaScript heap after it', `${run.heap.toFixed(1)} MB`, '(none)');
  }
  row('voran.html', `${(size / 1e6).toFixed(3)} MB`, '< 3 MB');
  console.log('page process: the resident memory of the renderer process of the page (and of its worker while it\n' +
    'runs) after the run and a garbage collection; the browser\'s other processes (its interface, a spare\n' +
    'renderer, the blob storage keeping the results for the download) are not counted.');
} finally {
  await browser.close();
  rmSync(folder, { recursive: true, force: true });
}
