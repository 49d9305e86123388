// The web edition in a real browser (headless chromium): the page finds its
// controls by role and accessible name, as a person with a screen reader
// does, and waits for conditions, never for a fixed time.
// Run by web/browser_tests/run, which sets the folders and skips when
// something is missing.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { spawn, spawnSync } from 'node:child_process';
import { closeSync, createReadStream, mkdtempSync, openSync, readFileSync, rmSync, statSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { createInterface } from 'node:readline';

import { Launch, Open, Page_url, Ready } from './browser.mjs';

const Web_dir = process.env.VORAN_WEB_DIR;
const Voran_report = process.env.VORAN_REPORT;
const Artifacts = process.env.VORAN_WEB_ARTIFACTS;
const Golden = readFileSync(new URL('../../test_support/worked_example_two-sided.txt', import.meta.url), 'utf8');
const Rule = '_'.repeat(103);

const Captions = {
  sd: 'Standard deviation of scores in the control sample:',
  n: 'Sample size of the control sample:',
  a: 'Test score for Case A:',
  b: 'Test score for Case B:',
};

let browser;
before(async () => { browser = await Launch(); });
after(async () => { await browser.close(); });

async function Open_page(options) {
  return Open(browser, Page_url(Web_dir), options);
}

// Types each value into its field key by key, as a user does.
async function Type_inputs(page, values) {
  for (const [key, text] of Object.entries(values)) {
    const field = page.getByLabel(Captions[key]);
    await field.fill('');
    await field.pressSequentially(text);
  }
}

async function Compute(page) {
  await page.getByRole('button', { name: 'Compute' }).click();
}

// Clicks the button and gives the file it downloads.
async function Download(page, button) {
  const [download] = await Promise.all([page.waitForEvent('download'),
    page.getByRole('button', { name: button }).click()]);
  return download;
}

function Table_section(page) {
  return page.getByRole('region', { name: 'Table of comparisons' });
}

function Results(page) {
  return page.getByRole('textbox', { name: 'Results' });
}

async function Wait_for_results(page, text) {
  await page.waitForFunction((expected) => document.getElementById('results').value === expected, text)
    .catch(async () => assert.equal(await Results(page).inputValue(), text));
}

// The message box as announced: its role, its title as name, its text.
async function Message(page, title) {
  const dialog = page.getByRole('dialog', { name: title });
  await dialog.waitFor();
  return { dialog, text: await dialog.getByRole('paragraph').textContent() };
}

async function Answer_ok(page, title) {
  const { dialog, text } = await Message(page, title);
  await dialog.getByRole('button', { name: 'OK' }).press('Enter');
  await dialog.waitFor({ state: 'hidden' });
  return text;
}

// The field's value once the page has put it right: the close event of a
// message, which cuts a field to six characters, comes after the browser has
// already given the focus back.
async function Wait_for_value(page, caption, value, name) {
  await page.waitForFunction(([label, expected]) => [...document.querySelectorAll('input')]
    .some((input) => input.labels?.[0]?.textContent === label && input.value === expected), [caption, value])
    .catch(async () => assert.equal(await page.getByLabel(caption).inputValue(), value, name));
}

function Wait_for_focus(page, caption) {
  return page.waitForFunction((label) => {
    const focused = document.activeElement;
    return focused && focused.labels && focused.labels.length > 0 && focused.labels[0].textContent === label;
  }, caption);
}

test('the worked example gives the golden report', async () => {
  const { context, page } = await Open_page();
  await Type_inputs(page, { sd: '10', n: '20', a: '50', b: '30' });
  await Compute(page);
  await Wait_for_results(page, Golden);
  await context.close();
});

test('a second report follows the separator line; Save Output writes CR LF', async () => {
  const { context, page } = await Open_page();
  await Type_inputs(page, { sd: '10', n: '20', a: '50', b: '30' });
  await Compute(page);
  await Compute(page);
  await Wait_for_results(page, Golden + Rule + '\n' + Golden);

  const download = await Download(page, 'Save Output');
  assert.equal(download.suggestedFilename(), 'results.txt');
  const saved = readFileSync(await download.path(), 'utf8');
  assert.equal(saved, (Golden + Rule + '\n' + Golden).replaceAll('\n', '\r\n'));

  await page.getByRole('button', { name: 'Clear Results' }).click();
  await Compute(page);
  await Wait_for_results(page, Golden);
  await context.close();
});

test('the plot of the last comparison shows and downloads as SVG and PNG', async () => {
  const { context, page } = await Open_page();
  await Type_inputs(page, { sd: '10', n: '20', a: '50', b: '30' });
  await Compute(page);
  const plot = page.getByRole('img', { name: /^VORAN\.EXE: Bayesian inferential methods/ });
  await plot.waitFor();
  const svg = await Download(page, 'Download plot (SVG)');
  assert.equal(svg.suggestedFilename(), 'plot.svg');
  const svg_text = readFileSync(await svg.path(), 'utf8');
  assert.match(svg_text, /^<\?xml[^]*<desc>[^<]*8\.6739%[^]*<\/svg>\n$/);

  const png = await Download(page, 'Download plot (PNG)');
  assert.equal(png.suggestedFilename(), 'plot.png');
  const png_bytes = readFileSync(await png.path());
  assert.equal(png_bytes.subarray(1, 4).toString('latin1'), 'PNG');
  assert.deepEqual([png_bytes.readUInt32BE(16), png_bytes.readUInt32BE(20)], [1600, 1000]);
  await context.close();
});

test('refusals are worded as the worksheet words them and give the focus back', async () => {
  const { context, page } = await Open_page();
  const rows = [
    { name: 'a letter typed', act: () => page.getByLabel(Captions.sd).press('x'),
      message: 'INPUT ERROR\n\nEnter numeric data only.', focus: Captions.sd, value: '' },
    { name: 'a seventh character', act: () => page.getByLabel(Captions.n).pressSequentially('1234567'),
      message: 'Maximum length of input is 6 characters.', focus: Captions.n, value: '123456' },
    { name: 'an empty Case A at Compute',
      act: async () => { await Type_inputs(page, { sd: '10', n: '20' }); await page.getByLabel(Captions.a).fill(''); await Compute(page); },
      message: 'INPUT ERROR\n\n(  Test score for Case A:  )\n\nData have not been entered in this field.',
      focus: Captions.a, value: '' },
    { name: 'a sample size of 2', act: async () => { await Type_inputs(page, { n: '2' }); await Compute(page); },
      message: 'INPUT ERROR\n(  Sample size of the control sample:  2.000  )\nThe value for sample size must be an integer greater than 2.',
      focus: Captions.n, value: '2' },
  ];
  for (const row of rows) {
    await row.act();
    assert.equal(await Answer_ok(page, 'Warning'), row.message, row.name);
    await Wait_for_focus(page, row.focus);
    await Wait_for_value(page, row.focus, row.value, row.name);
  }
  // A typed comma is a full stop.
  await Type_inputs(page, { a: '3,5' });
  assert.equal(await page.getByLabel(Captions.a).inputValue(), '3.5');
  assert.equal(await Results(page).inputValue(), '');
  await context.close();
});

// The Enter that answers the length warning is released in the field, and
// that release may come before the message's close has cut the field to six
// characters: it must not warn again (a second message, left without its
// answer, would keep the page waiting).
test('the release of the key that answers a message does not warn again', async () => {
  const { context, page } = await Open_page();
  await page.getByLabel(Captions.n).pressSequentially('1234567');
  await Message(page, 'Warning');
  // The close and the release in one task, so that the release comes first.
  await page.evaluate((caption) => {
    const field = [...document.querySelectorAll('input')].find((input) => input.labels[0]?.textContent === caption);
    document.getElementById('message').close();
    field.focus();
    field.dispatchEvent(new KeyboardEvent('keyup', { key: 'Enter', bubbles: true }));
  }, Captions.n);
  await page.getByRole('dialog', { name: 'Warning' }).waitFor({ state: 'hidden' });
  await Wait_for_focus(page, Captions.n);
  await Wait_for_value(page, Captions.n, '123456');
  await context.close();
});

function Kept(page) {
  return page.evaluate(() => window.localStorage.getItem('VORAN.txt'));
}

test('SD and N come back after a reload, as the worksheet restores them', async () => {
  const { context, page } = await Open_page();
  await Type_inputs(page, { sd: '015', n: '20.', a: '50', b: '30' });
  await Compute(page);
  // SD and N only: never a case's score.
  assert.equal(await Kept(page), '015 20.       ');
  await page.reload();
  await Ready(page);
  assert.equal(await page.getByLabel(Captions.sd).inputValue(), '15');
  assert.equal(await page.getByLabel(Captions.n).inputValue(), '20');
  assert.equal(await page.getByLabel(Captions.a).inputValue(), '');
  await Wait_for_focus(page, Captions.a);

  // What an earlier page kept with the scores is kept again without them.
  await page.evaluate(() => window.localStorage.setItem('VORAN.txt', '12.5 31 88 61     '));
  await page.reload();
  await Ready(page);
  assert.equal(await page.getByLabel(Captions.sd).inputValue(), '12.5');
  assert.equal(await Kept(page), '12.5 31       ');

  await page.getByRole('button', { name: 'Clear Data' }).click();
  await Wait_for_focus(page, Captions.sd);
  await page.reload();
  await Ready(page);
  assert.equal(await page.getByLabel(Captions.sd).inputValue(), '');
  await Wait_for_focus(page, Captions.sd);
  await context.close();
});

// The summary that voran-report prints for the worked example in a language.
function Native_summary(language, limits = 'two-sided') {
  const native = spawnSync(Voran_report, ['--sd', '10', '--n', '20', '--case-a', '50', '--case-b', '30',
    '--limits', limits, '--summary', language], { env: { ...process.env, LC_ALL: 'C' }, encoding: 'utf8' });
  assert.equal(native.status, 0, native.stderr);
  return native.stdout;
}

test('the Result region shows the summary in the browser language and copies what voran-report prints', async () => {
  for (const [locale, language, limits] of [['de-DE', 'de', 'two-sided'], ['fr-CA', 'fr', 'lower'],
    ['pt-BR', 'en', 'upper']]) {
    const { context, page } = await Open_page({ locale });
    await context.grantPermissions(['clipboard-read', 'clipboard-write']);
    await Type_inputs(page, { sd: '10', n: '20', a: '50', b: '30' });
    await page.getByRole('radio', { name: { 'two-sided': 'Two-sided', lower: 'One-sided Lower', upper: 'One-sided Upper' }[limits] }).check();
    await Compute(page);
    const region = page.getByRole('region', { name: 'Result', exact: true });
    await region.waitFor();
    assert.equal(await region.getByLabel('Language of the summary').inputValue(), language, locale);
    await region.getByRole('button', { name: 'Copy summary' }).click();
    await page.waitForFunction(() => document.getElementById('copy-status').textContent !== '');
    assert.equal(await page.evaluate(() => navigator.clipboard.readText()), Native_summary(language, limits), locale);
    await context.close();
  }
});

test('the language of the summary is kept for the next visit', async () => {
  const { context, page } = await Open_page({ locale: 'en-US' });
  await Type_inputs(page, { sd: '10', n: '20', a: '50', b: '30' });
  await Compute(page);
  const region = page.getByRole('region', { name: 'Result', exact: true });
  await region.getByLabel('Language of the summary').selectOption('nl');
  const [sentences, statistics] = Native_summary('nl').split('\n');
  await region.getByText(sentences).waitFor();
  await region.getByText(statistics).waitFor();
  await page.reload();
  await Ready(page);
  assert.equal(await page.evaluate(() => document.getElementById('summary-language').value), 'nl');
  await context.close();
});

test('the browser language decimal separator is used in the report', async () => {
  const { context, page } = await Open_page({ locale: 'de-DE' });
  await Type_inputs(page, { sd: '10', n: '20', a: '50', b: '30' });
  await Compute(page);
  await page.waitForFunction(() => document.getElementById('results').value.includes(' = 20,000\n'));
  await context.close();
});

test('an error of the core at extreme inputs shows as the error report', async () => {
  const { context, page } = await Open_page();
  await Type_inputs(page, { sd: '1', a: '1', b: '0' });
  // Filled in at once: no key release or paste cuts it to six characters.
  await page.getByLabel(Captions.n).fill('2147483647');
  await Compute(page);
  const text = await Answer_ok(page, 'VORAN');
  assert.match(text, /\.$/);
  assert.equal(await Results(page).inputValue(), '');
  await context.close();
});

// 11 significant digits agree: the WebAssembly build's long double is not
// the desktop's 80-bit one, so the 12th may differ.
function Same_table_field(page_field, native_field) {
  if (page_field === native_field) return true;
  const a = Number(page_field);
  const b = Number(native_field);
  if (page_field === '' || native_field === '' || !Number.isFinite(a) || !Number.isFinite(b)) return false;
  const unit = 10 ** (Math.floor(Math.log10(Math.abs(b))) - 11);
  return Math.abs(a - b) <= 1.5 * unit;
}

// The page's download against voran-report's output for the same table,
// line by line and field by field (decimal commas read as points).
function Assert_same_table(from_page, from_native, delimiter) {
  const page_lines = from_page.split('\n');
  const native_lines = from_native.split('\n');
  assert.equal(page_lines.length, native_lines.length);
  const point = (field) => (delimiter === ';' ? field.replace(',', '.') : field);
  native_lines.forEach((line, index) => {
    const page_fields = page_lines[index].split(delimiter);
    const native_fields = line.split(delimiter);
    assert.equal(page_fields.length, native_fields.length, `line ${index + 1}`);
    native_fields.forEach((field, column) => assert.ok(Same_table_field(point(page_fields[column]), point(field)),
      `line ${index + 1}, field ${column + 1}: page ${page_fields[column]}, voran-report ${field}`));
  });
}

function Test_table() {
  const lines = ['id,sd,n,case_a,case_b,limits'];
  let seed = 12345;
  const next = () => { seed = (seed * 1103515245 + 12345) % 2147483648; return seed / 2147483648; };
  const limits = ['two-sided', 'lower', 'upper', ''];
  for (let row = 0; row < 400; ++row) {
    const sd = (0.5 + next() * 30).toFixed(2);
    const n = [3, 4, 7, 20, 55, 140, 999, 5000, 100000][row % 9];
    const a = (next() * 120 - 10).toFixed(1);
    const b = (next() * 120 - 10).toFixed(1);
    lines.push(`"P${row}, ""quoted""",${sd},${n},${a},${b},${limits[row % 4]}`);
  }
  lines.push('bad-sd,0,20,50,30,', 'bad-n,10,2.5,50,30,', 'bad-limits,10,20,50,30,sideways', 'short,10,20');
  return lines.join('\n') + '\n';
}

test('a table downloads the CSV that voran-report writes for it', async () => {
  const folder = mkdtempSync(join(tmpdir(), 'voran web table '));
  try {
    const table = join(folder, 'comparisons.csv');
    writeFileSync(table, Test_table());
    const native = spawnSync(Voran_report, ['--csv', table], { env: { ...process.env, LC_ALL: 'C' }, encoding: 'utf8' });
    assert.equal(native.status, 1, native.stderr);  // some rows refused

    const { context, page } = await Open_page();
    await page.getByLabel('Table of comparisons (CSV)').setInputFiles(table);
    const status = Table_section(page).getByRole('status');
    await page.waitForFunction(() => document.getElementById('table-status').textContent !== '');
    assert.equal(await status.textContent(), '404 rows computed; 4 could not be (the error column says why).');
    await page.getByRole('cell', { name: 'P0, "quoted"' }).waitFor();

    const download = await Download(page, 'Download results');
    assert.equal(download.suggestedFilename(), 'comparisons-results.csv');
    Assert_same_table(readFileSync(await download.path(), 'utf8'), native.stdout, ',');
    await context.close();
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
});

// A table of many rows, some refused, with the native output for it.
function Long_table(folder, rows) {
  const lines = ['id,sd,n,case_a,case_b'];
  for (let row = 0; row < rows; ++row) lines.push(`P${row},${1 + row % 9},${row % 50 === 7 ? 1 : 10 + row % 90},${row % 53},${row % 31}`);
  const file = join(folder, 'long.csv');
  writeFileSync(file, lines.join('\n') + '\n');
  return file;
}

// Runs body with a fresh page and a temporary folder, then closes and
// removes them.
async function With_page_and_folder(name, body, open = Open_page) {
  const folder = mkdtempSync(join(tmpdir(), name));
  const { context, page } = await open();
  try {
    await body(page, folder);
  } finally {
    await context.close();
    rmSync(folder, { recursive: true, force: true });
  }
}

// Chooses a long table and waits until the page shows the run's progress.
async function Start_long_table(page, folder, rows) {
  const file = Long_table(folder, rows);
  await page.getByLabel('Table of comparisons (CSV)').setInputFiles(file);
  await page.waitForFunction(() => /^Computing: [\d,]+ rows done, \d+% of the table read\.$/
    .test(document.getElementById('table-status').textContent));
  assert.equal(await page.getByRole('button', { name: 'Cancel' }).isVisible(), true);
  return file;
}

// The run is the worker's: the page shows its progress while it runs, and
// the download, more than one chunk of output, holds every row.
test('a long table shows its progress and downloads every row that voran-report writes', () =>
  With_page_and_folder('voran web long table ', async (page, folder) => {
    const file = await Start_long_table(page, folder, 150000);
    const native = spawnSync(Voran_report, ['--csv', file], { env: { ...process.env, LC_ALL: 'C' }, encoding: 'utf8', maxBuffer: 1 << 30 });
    assert.equal(native.status, 1, native.stderr);
    await page.waitForFunction(() => /computed/.test(document.getElementById('table-status').textContent), null, { timeout: 300000 });
    assert.equal(await Table_section(page).getByRole('status').textContent(), '150,000 rows computed; 3,000 could not be ' +
      '(the error column says why). The first 1,000 rows are shown; "Download results" saves all of them.');
    assert.equal(await page.getByRole('button', { name: 'Cancel' }).isVisible(), false);
    // The shown rows, laid out in parts, are the first thousand, in order.
    await page.getByRole('cell', { name: 'P999', exact: true }).waitFor();
    assert.deepEqual(await page.locator('#table-rows tr > :first-child').allTextContents(),
      ['id', ...Array.from({ length: 1000 }, (_, row) => `P${row}`)]);
    const download = await Download(page, 'Download results');
    const bytes = readFileSync(await download.path(), 'utf8');
    assert.ok(bytes.length > 16 * 1024 * 1024, `${bytes.length} bytes: not more than one chunk`);
    Assert_same_table(bytes, native.stdout, ',');
  }));

// The lines of a file and its last line, read in pieces.
async function Lines_of(file) {
  let count = 0;
  let last = '';
  for await (const line of createInterface({ input: createReadStream(file), crlfDelay: Infinity })) {
    ++count;
    last = line;
  }
  return { count, last };
}

// A table of 48 MB whose results (659 MB) are longer than the browser's
// longest string: the download holds every row. Some minutes long, so run
// only when VORAN_WEB_LARGE_TESTS=1.
test('a table whose results pass 600 MB downloads every row', { skip: process.env.VORAN_WEB_LARGE_TESTS !== '1' &&
  'set VORAN_WEB_LARGE_TESTS=1 to run it (some minutes)', timeout: 3600000 }, () =>
  With_page_and_folder('voran web huge results ', async (page, folder) => {
    const rows = 4600000;
    const file = join(folder, 'huge.csv');
    const lines = ['sd,n,case_a,case_b'];
    for (let row = 0; row < rows; ++row) lines.push(`${1 + row % 9},${10 + row % 90},${row % 50},${row % 30}`);
    writeFileSync(file, lines.join('\n') + '\n');
    await page.getByLabel('Table of comparisons (CSV)').setInputFiles(file);
    await page.waitForFunction(() => / computed/.test(document.getElementById('table-status').textContent), null,
      { timeout: 0, polling: 1000 });
    assert.equal(await Table_section(page).getByRole('status').textContent(), '4,600,000 rows computed. ' +
      'The first 1,000 rows are shown; "Download results" saves all of them.');
    const download = await Download(page, 'Download results');
    const path = await download.path();
    assert.ok(statSync(path).size > 600e6, `${statSync(path).size} bytes`);
    const native = join(folder, 'native.csv');
    const out = openSync(native, 'w');
    const status = spawnSync(Voran_report, ['--csv', file], { env: { ...process.env, LC_ALL: 'C' }, stdio: ['ignore', out, 'inherit'] }).status;
    closeSync(out);
    assert.equal(status, 0);
    const [from_page, from_native] = [await Lines_of(path), await Lines_of(native)];
    assert.equal(from_page.count, rows + 1);
    assert.equal(from_page.count, from_native.count);
    Assert_same_table(from_page.last, from_native.last, ',');
  }));

test('Cancel stops a table run, keeps nothing, and the page goes on', () =>
  With_page_and_folder('voran web cancel ', async (page, folder) => {
    await Start_long_table(page, folder, 400000);
    await page.getByRole('button', { name: 'Cancel' }).click();
    assert.equal(await Table_section(page).getByRole('status').textContent(), 'long.csv: cancelled; no results were kept.');
    assert.equal(await page.getByRole('button', { name: 'Download results' }).isDisabled(), true);
    assert.equal(await page.getByRole('button', { name: 'Cancel' }).isVisible(), false);
    await Type_inputs(page, { sd: '10', n: '20', a: '50', b: '30' });
    await Compute(page);
    await Wait_for_results(page, Golden);
  }));

// Without WebAssembly the page runs the same core compiled to plain
// JavaScript, in the page and in the table's worker: the reports and the
// tables are the same.
async function Check_without_webassembly(open) {
  await With_page_and_folder('voran web plain core ', async (page, folder) => {
    assert.equal(await page.evaluate(() => typeof WebAssembly), 'undefined');
    await Type_inputs(page, { sd: '10', n: '20', a: '50', b: '30' });
    await Compute(page);
    await Wait_for_results(page, Golden);
    const file = join(folder, 'comparisons.csv');
    writeFileSync(file, Test_table());
    const native = spawnSync(Voran_report, ['--csv', file], { env: { ...process.env, LC_ALL: 'C' }, encoding: 'utf8' });
    await page.getByLabel('Table of comparisons (CSV)').setInputFiles(file);
    await page.waitForFunction(() => / computed/.test(document.getElementById('table-status').textContent));
    assert.equal(await Table_section(page).getByRole('status').textContent(), '404 rows computed; 4 could not be (the error column says why).');
    const download = await Download(page, 'Download results');
    Assert_same_table(readFileSync(await download.path(), 'utf8'), native.stdout, ',');
  }, open);
}

test('without a JIT (so without WebAssembly) the page computes reports and tables', async () => {
  const jitless = await Launch(['--js-flags=--jitless']);
  try {
    await Check_without_webassembly(() => Open(jitless, Page_url(Web_dir)));
  } finally {
    await jitless.close();
  }
});

test('with WebAssembly taken away the page computes reports and tables', () =>
  Check_without_webassembly(() => Open_page({ before_scripts: () => { delete globalThis.WebAssembly; } })));

test('with JavaScript off the page says what it needs', async () => {
  const context = await browser.newContext({ javaScriptEnabled: false });
  try {
    const page = await context.newPage();
    await page.goto(Page_url(Web_dir));
    assert.match(await page.locator('header').innerText(),
      /\nThis page needs JavaScript: allow it for this file \(or site\) to compute\.$/);
  } finally {
    await context.close();
  }
});

test('a core that cannot start is named in the page\'s own words', async () => {
  const context = await browser.newContext();
  try {
    // Neither WebAssembly nor the plain-JavaScript core: its script's
    // definition is swallowed and a failing one stands in its place.
    await context.addInitScript(() => {
      delete globalThis.WebAssembly;
      Object.defineProperty(globalThis, 'Voran_core_js', { get: () => () => Promise.reject(new Error('no core')), set() {} });
    });
    const page = await context.newPage();
    await page.goto(Page_url(Web_dir));
    assert.equal(await page.locator('header [role="alert"]').textContent(),
      'The page could not start its computing core: Error: no core');
  } finally {
    await context.close();
  }
});

test('voran.html carries both cores and stays under 3 MB', () => {
  const size = statSync(join(Web_dir, 'voran.html')).size;
  assert.ok(size < 3e6, `${size} bytes`);
});

test('a tab- or semicolon-separated table: the results are proposed in its own delimiter', async () => {
  const folder = mkdtempSync(join(tmpdir(), 'voran web delimiters '));
  const { context, page } = await Open_page();
  try {
    const choice = page.getByLabel('Results separated by');
    const rows = [
      { name: 'comparisons.tsv', text: 'id\tsd\tn\tcase_a\tcase_b\nP1\t10\t20\t50,5\t30\nP2\t2\t7\t1\t3\n',
        proposed: 'tabs, numbers with decimal points', delimiter: '\t', options: ['--output-delimiter', 'tab'] },
      { name: 'comparisons.csv', text: 'id;sd;n;case_a;case_b\n=P1;10;20;50,5;30\nP2;2;7;1;3\n',
        proposed: 'semicolons, numbers with decimal commas', delimiter: ';', options: ['--output-delimiter', ';'] },
    ];
    for (const row of rows) {
      const file = join(folder, row.name);
      writeFileSync(file, row.text);
      await page.getByLabel('Table of comparisons (CSV)').setInputFiles(file);
      await page.waitForFunction(() => document.getElementById('table-status').textContent !== '');
      assert.equal(await Table_section(page).getByRole('status').textContent(), '2 rows computed.', row.name);
      assert.equal(await choice.locator('option:checked').textContent(), row.proposed, row.name);
      const native = spawnSync(Voran_report, ['--csv', file, ...row.options], { env: { ...process.env, LC_ALL: 'C' }, encoding: 'utf8' });
      assert.equal(native.status, 0, native.stderr);
      const download = await Download(page, 'Download results');
      Assert_same_table(readFileSync(await download.path(), 'utf8'), native.stdout, row.delimiter);
    }
    // Another choice writes the same table again, with commas.
    await choice.selectOption({ label: 'commas, numbers with decimal points' });
    await page.getByRole('cell', { name: '20.5', exact: true }).waitFor();
    const native = spawnSync(Voran_report, ['--csv', join(folder, 'comparisons.csv')], { env: { ...process.env, LC_ALL: 'C' }, encoding: 'utf8' });
    const download = await Download(page, 'Download results');
    Assert_same_table(readFileSync(await download.path(), 'utf8'), native.stdout, ',');
  } finally {
    await context.close();
    rmSync(folder, { recursive: true, force: true });
  }
});

test('a file that cannot be a table gets a clear message and the page stays usable', async () => {
  const folder = mkdtempSync(join(tmpdir(), 'voran web bad tables '));
  const { context, page } = await Open_page();
  try {
    const chooser = page.getByLabel('Table of comparisons (CSV)');
    const rows = [
      { name: 'empty.csv', bytes: Buffer.alloc(0), message: /^empty\.csv: the file is empty\./ },
      { name: 'picture.csv', bytes: Buffer.from([0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0, 0, 0, 13]),
        message: /^picture\.csv: the file is not a text table/ },
      { name: 'headerless.csv', bytes: Buffer.from('10,20,50,30\n'),
        message: /^headerless\.csv, the first row must name the columns sd, n, case_a, case_b; it lacks sd, n, case_a, case_b$/ },
      { name: 'huge.csv', bytes: Buffer.alloc(50 * 1024 * 1024 + 1, 0x31), message: /^huge\.csv: the file is larger than 50 MiB/ },
    ];
    for (const row of rows) {
      const file = join(folder, row.name);
      writeFileSync(file, row.bytes);
      await chooser.setInputFiles(file);
      await page.waitForFunction((name) => document.getElementById('table-status').textContent.startsWith(name), row.name);
      assert.match(await Table_section(page).getByRole('status').textContent(), row.message, row.name);
      assert.equal(await page.getByRole('button', { name: 'Download results' }).isDisabled(), true, row.name);
    }
    await Type_inputs(page, { sd: '10', n: '20', a: '50', b: '30' });
    await Compute(page);
    await Wait_for_results(page, Golden);
  } finally {
    await context.close();
    rmSync(folder, { recursive: true, force: true });
  }
});

test('nothing leaves the computer: the single file asks for nothing, the served page only its own files', async () => {
  const { context, page, requests } = await Open_page();
  await Type_inputs(page, { sd: '10', n: '20', a: '50', b: '30' });
  await Compute(page);
  await Wait_for_results(page, Golden);
  assert.deepEqual(requests.filter((url) => !url.startsWith('file:') && !url.startsWith('data:')), []);
  await context.close();

  const server = spawn(process.execPath, [resolve('web/serve.mjs'), Web_dir], { stdio: ['ignore', 'pipe', 'inherit'] });
  try {
    const address = await new Promise((done, failed) => {
      createInterface({ input: server.stdout }).once('line', done);
      server.once('exit', () => failed(new Error('the server ended')));
    });
    const served = await Open(browser, address);
    const origin = new URL(address).origin;
    const loaded = served.requests.length;
    assert.deepEqual(served.requests.filter((url) => !url.startsWith(origin + '/') && !url.startsWith('data:')), []);
    await Type_inputs(served.page, { sd: '10', n: '20', a: '50', b: '30' });
    await Compute(served.page);
    await Wait_for_results(served.page, Golden);
    assert.deepEqual(served.requests.slice(loaded), [], 'no request after the page has loaded');
    await served.context.close();
  } finally {
    server.kill();
  }
});

// 200% zoom on a 1280-pixel screen lays the page out in 640 CSS pixels.
test('the Result region reads whole at 360 pixels and at 200% zoom', async () => {
  for (const width of [360, 640]) {
    const { context, page } = await Open_page({ width, height: 800 });
    await Type_inputs(page, { sd: '10', n: '20', a: '50', b: '30' });
    await Compute(page);
    const region = page.getByRole('region', { name: 'Result', exact: true });
    await region.getByRole('button', { name: 'Copy summary' }).waitFor();
    const cut = await region.evaluate((section) => {
      const inner = [section, ...section.querySelectorAll('*')];
      return inner.filter((element) => element.scrollWidth > element.clientWidth + 1 ||
        element.getBoundingClientRect().right > window.innerWidth).map((element) => element.tagName);
    });
    assert.deepEqual(cut, [], `${width} px: cut or wider than the window`);
    await context.close();
  }
});

test('the page at 360 and 1280 pixels wide', async () => {
  for (const width of [360, 1280]) {
    const { context, page } = await Open_page({ width, height: 800 });
    await Type_inputs(page, { sd: '10', n: '20', a: '50', b: '30' });
    await page.getByLabel('User\'s Notes:').fill('Patient pair 7, first session');
    await Compute(page);
    await page.waitForFunction(() => document.getElementById('results').value !== '');
    // The page itself never scrolls sideways; the results text does.
    const overflow = await page.evaluate(() => document.documentElement.scrollWidth - window.innerWidth);
    assert.ok(overflow <= 0, `${width} px: the page is ${overflow} px wider than the window`);
    await page.screenshot({ path: join(Artifacts, `page-${width}.png`), fullPage: true });
    await context.close();
  }
});

test('Ctrl+Z brings back what Clear Results removed, on its button and in the results', async () => {
  const { context, page } = await Open_page();
  await Type_inputs(page, { sd: '10', n: '20', a: '50', b: '30' });
  await Compute(page);
  await Wait_for_results(page, Golden);
  for (const where of ['Clear Results', 'Results']) {
    await page.getByRole('button', { name: 'Clear Results' }).click();
    await Wait_for_results(page, '');
    if (where === 'Results') await Results(page).focus();
    await page.keyboard.press('Control+Z');
    await Wait_for_results(page, Golden);
  }
  await context.close();
});

// Closes the page as the user closes the tab: 'closed', or the type of the
// dialog the browser asked with (answered "stay").
function Leave(page) {
  return new Promise((done) => {
    const on_close = () => { page.off('dialog', on_dialog); done('closed'); };
    const on_dialog = (dialog) => { page.off('close', on_close); dialog.dismiss().then(() => done(dialog.type())); };
    page.once('close', on_close);
    page.once('dialog', on_dialog);
    page.close({ runBeforeUnload: true });
  });
}

test('leaving the page warns while the results are not saved', async () => {
  const { context, page } = await Open_page();
  const leaving_is_free = () => page.evaluate(() => dispatchEvent(new Event('beforeunload', { cancelable: true })));
  await Type_inputs(page, { sd: '10', n: '20', a: '50', b: '30' });
  assert.equal(await leaving_is_free(), true, 'no results yet');
  await Compute(page);
  await Wait_for_results(page, Golden);
  assert.equal(await Leave(page), 'beforeunload');
  assert.equal(page.isClosed(), false);
  await Download(page, 'Save Output');
  assert.equal(await leaving_is_free(), true, 'saved');
  await Compute(page);
  await Wait_for_results(page, Golden + Rule + '\n' + Golden);
  assert.equal(await leaving_is_free(), false, 'a report since');
  await page.getByRole('button', { name: 'Clear Results' }).click();
  assert.equal(await Leave(page), 'closed');
  await context.close();
});

test('Enter in any of the four fields runs Compute', async () => {
  const { context, page } = await Open_page();
  await Type_inputs(page, { sd: '10', n: '20', a: '50', b: '30' });
  let expected = '';
  for (const caption of Object.values(Captions)) {
    assert.equal(await page.getByLabel(caption).getAttribute('inputmode'), 'decimal', caption);
    await page.getByLabel(caption).press('Enter');
    expected += (expected ? Rule + '\n' : '') + Golden;
    await Wait_for_results(page, expected);
  }
  await context.close();
});

test('pasted text passes the key filter; the editing shortcuts work as in any field', async () => {
  const { context, page } = await Open_page();
  await context.grantPermissions(['clipboard-read', 'clipboard-write']);
  const sd = page.getByLabel(Captions.sd);
  const paste = async (text) => {
    await page.evaluate((pasted) => navigator.clipboard.writeText(pasted), text);
    await sd.press('Control+V');
  };
  // Character by character: a comma is a point, anything else refused.
  const rows = [
    { pasted: '-1,5', value: '-1.5', message: null },
    { pasted: '2 x\t', value: '2', message: 'INPUT ERROR\n\nEnter numeric data only.' },
    { pasted: '12345678', value: '123456', message: 'Maximum length of input is 6 characters.' },
  ];
  for (const row of rows) {
    await sd.fill('');
    await paste(row.pasted);
    if (row.message) assert.equal(await Answer_ok(page, 'Warning'), row.message, row.pasted);
    // The cut to six characters comes with the message's close event, after
    // the dialog has closed.
    await Wait_for_value(page, Captions.sd, row.value, row.pasted);
  }
  // The context menu's paste is the same paste event.
  await sd.fill('');
  await sd.evaluate((field) => {
    const data = new DataTransfer();
    data.setData('text/plain', '7,25');
    field.dispatchEvent(new ClipboardEvent('paste', { clipboardData: data, bubbles: true, cancelable: true }));
  });
  assert.equal(await sd.inputValue(), '7.25');

  await sd.press('Control+A');
  await sd.press('Control+C');
  assert.equal(await page.evaluate(() => navigator.clipboard.readText()), '7.25');
  await sd.press('Control+X');
  assert.equal(await sd.inputValue(), '');
  await sd.press('Control+Z');
  assert.equal(await sd.inputValue(), '7.25');
  assert.equal(await page.getByRole('dialog').count(), 0);
  await context.close();
});

test('the report\'s columns fit the results box from 1024 pixels up; narrower, the box scrolls sideways', async () => {
  for (const width of [360, 800, 1024, 1100, 1280, 1920]) {
    const { context, page } = await Open_page({ width, height: 800 });
    await Type_inputs(page, { sd: '10', n: '20', a: '50', b: '30' });
    await Compute(page);
    await Compute(page);
    await Wait_for_results(page, Golden + Rule + '\n' + Golden);
    // The separator line holds no blank: it fits only where all 103 columns do.
    const overflow = await Results(page).evaluate((box) => box.scrollWidth - box.clientWidth);
    if (width >= 1024) assert.ok(overflow <= 0, `${width} px: the lines are cut by ${overflow} px`);
    else assert.ok(overflow > 0, `${width} px: the results box does not scroll sideways`);
    const page_overflow = await page.evaluate(() => document.documentElement.scrollWidth - window.innerWidth);
    assert.ok(page_overflow <= 0, `${width} px: the page is ${page_overflow} px wider than the window`);
    await context.close();
  }
});

test('the instructions scroll from the keyboard', async () => {
  const { context, page } = await Open_page({ width: 360 });
  const instructions = page.getByRole('region', { name: 'Instructions' });
  assert.equal(await instructions.getAttribute('tabindex'), '0');
  await instructions.focus();
  await page.keyboard.press('PageDown');
  await instructions.evaluate((box) => new Promise((done) => {
    const check = () => (box.scrollTop > 0 ? done() : requestAnimationFrame(check));
    check();
  }));
  await context.close();
});

test('the message icons are drawn, not taken from a font', async () => {
  const { context, page } = await Open_page();
  const rows = [
    { title: 'Warning', act: () => page.getByLabel(Captions.sd).press('x') },
    { title: 'VORAN', act: async () => {
      await Type_inputs(page, { sd: '1', a: '1', b: '0' });
      await page.getByLabel(Captions.n).fill('2147483647');
      await Compute(page);
    } },
  ];
  for (const row of rows) {
    await row.act();
    const { dialog } = await Message(page, row.title);
    // Any character a font must supply is plain ASCII.
    const drawn = await dialog.evaluate((box) => [...box.querySelectorAll('*')].flatMap((element) =>
      ['::before', '::after'].map((pseudo) => getComputedStyle(element, pseudo).content))
      .filter((content) => content !== 'none' && content !== 'normal').join(''));
    assert.match(drawn, /^[\x20-\x7e]*$/, row.title);
    const icon = await dialog.locator('.icon').boundingBox();
    assert.ok(icon && icon.width >= 12 && icon.height >= 12, `${row.title}: no icon`);
    await Answer_ok(page, row.title);
  }
  await context.close();
});

test('the printed results carry the date and "page N of M" on every page', async (t) => {
  const pdftotext = spawnSync('pdftotext', ['-v']);
  if (pdftotext.error) {
    t.skip('no pdftotext (poppler-utils) to read the printed pages');
    return;
  }
  const folder = mkdtempSync(join(tmpdir(), 'voran web print '));
  const { context, page } = await Open_page({ locale: 'en-GB' });
  try {
    await Type_inputs(page, { sd: '10', n: '20', a: '50', b: '30' });
    for (let report = 0; report < 3; ++report) await Compute(page);
    const date = await page.evaluate(() => new Intl.DateTimeFormat('en-GB', { dateStyle: 'full' }).format(new Date()));
    const file = join(folder, 'results.pdf');
    await page.emulateMedia({ media: 'print' });
    await page.pdf({ path: file, format: 'A4' });
    const text = spawnSync('pdftotext', ['-layout', file, '-'], { encoding: 'utf8' }).stdout;
    const pages = text.split('\f').filter((sheet) => sheet.trim() !== '');
    assert.ok(pages.length >= 2, `${pages.length} page(s)`);
    pages.forEach((sheet, index) => {
      const footer = sheet.trimEnd().split('\n').pop();
      assert.match(footer, new RegExp(`^\\s*${date}\\s+page ${index + 1} of ${pages.length}$`), `page ${index + 1}`);
    });
    assert.equal(text.split('VORAN.EXE: Bayesian').length - 1, 3);
  } finally {
    await context.close();
    rmSync(folder, { recursive: true, force: true });
  }
});
