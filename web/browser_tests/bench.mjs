// The web edition's benchmark, from the single file on disk in headless
// chromium: the time until the page is usable, one "Compute", a table of
// 10,000 rows, and the size of voran.html. Prints the median of several runs
// beside each target. Usage: node web/browser_tests/bench.mjs WEB_DIR [RUNS]
import { mkdtempSync, rmSync, statSync, writeFileSync } from 'node:fs';
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

const folder = mkdtempSync(join(tmpdir(), 'voran-web-bench-'));
const browser = await Launch();
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
    const start = performance.now();
    await page.getByLabel('Table of comparisons (CSV)').setInputFiles(table);
    await page.waitForFunction(() => document.getElementById('table-status').textContent.includes('computed'));
    tables.push(performance.now() - start);
    await context.close();
  }
  const size = statSync(join(web_dir, 'voran.html')).size;
  const row = (what, value, target) => console.log(`${what.padEnd(40)} ${value.padStart(26)}   target ${target}`);
  console.log(`median of ${runs} runs, headless chromium, ${Page_url(web_dir)}`);
  row('page usable (navigation to ready)', figures(usable, 0, 'ms'), '< 1000 ms');
  row('the first "Compute" of the page', figures(compute_first, 2, 'ms'), '< 20 ms');
  row('a further "Compute"', figures(compute, 2, 'ms'), '< 20 ms');
  row('"Compute" until its plot is shown', figures(plots, 2, 'ms'), '(none)');
  row('table of 10,000 rows (choose to shown)', figures(tables, 0, 'ms'), '< 5000 ms');
  row('voran.html', `${(size / 1e6).toFixed(3)} MB`, '< 1.5 MB');
} finally {
  await browser.close();
  rmSync(folder, { recursive: true, force: true });
}
