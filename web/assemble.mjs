// Puts the web edition together from the page's files (web/page/) and the
// compiled core (voran-core.js and voran-core.wasm, and voran-core-js.js,
// the same core in plain JavaScript for browsers without WebAssembly):
//   OUT/voran.html   one self-contained file: style, scripts and the
//                    WebAssembly inlined; works opened from disk, offline;
//   OUT/index.html   with page.css, page.js and the core's files beside
//                    it, for a web server.
// The page's words come from the core too: voran-page-words (beside the
// core, run under Node) prints them, and each goes where the page names its
// key: data-caption="key" for an element's text, data-label="key" for its
// accessible name.
// Usage: node web/assemble.mjs CORE_DIR OUT_DIR
import { execFileSync } from 'node:child_process';
import { copyFileSync, mkdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const [core_dir, out_dir] = process.argv.slice(2);
if (!core_dir || !out_dir) {
  console.error('usage: node web/assemble.mjs CORE_DIR OUT_DIR');
  process.exit(64);
}
const page_dir = join(dirname(fileURLToPath(import.meta.url)), 'page');
const read = (path) => readFileSync(path, 'utf8');

// No connection at all from the single file; only the page's own files
// from a server. 'wasm-unsafe-eval' lets the core be compiled; nothing else
// may run code from text. The table's worker runs from a blob: of the
// page's own scripts.
const Common_policy = "default-src 'none'; img-src data: blob:; worker-src blob:; base-uri 'none'; form-action 'none'";
const Single_file_policy = `${Common_policy}; script-src 'unsafe-inline' 'wasm-unsafe-eval'; style-src 'unsafe-inline'`;
const Server_policy = `${Common_policy}; script-src 'self' 'wasm-unsafe-eval'; style-src 'self' 'unsafe-inline'; connect-src 'self'`;

// A script of the core is marked, so that the table's worker loads it too.
function Inline_script(text, name, core = false) {
  if (/<\/script/i.test(text)) throw new Error(`${name} holds "</script" and cannot be inlined`);
  return `<script${core ? ' data-voran-core' : ''}>\n${text}\n</script>`;
}

const words = JSON.parse(execFileSync(process.execPath, [join(core_dir, 'voran-page-words.js')], { encoding: 'utf8' }));

// A text as HTML text, or as an attribute's value.
function Html(text) {
  return text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;').replace(/"/g, '&quot;');
}

// The page with every word in its place. A key that the core does not know,
// a word that the page has no place for, or a place that holds text of its
// own stops the assembly.
function Page_with_words() {
  const placed = new Set();
  const word = (key) => {
    if (!Object.hasOwn(words, key)) throw new Error(`index.html names the word "${key}", which the core does not give`);
    placed.add(key);
    return Html(words[key]);
  };
  const page = read(join(page_dir, 'index.html'))
    .replace(/(<([a-z0-9]+)\b[^>]*\bdata-caption="([^"]+)"[^>]*>)([^<]*)(<\/\2>)/g, (_, open, tag, key, own, close) => {
      if (own !== '') throw new Error(`index.html gives <${tag} data-caption="${key}"> a text of its own`);
      return open + word(key) + close;
    })
    .replace(/\bdata-label="([^"]+)"/g, (label, key) => `${label} aria-label="${word(key)}"`);
  const unplaced = Object.keys(words).filter((key) => !placed.has(key));
  if (unplaced.length > 0) throw new Error(`index.html has no place for the words ${unplaced.join(', ')}`);
  return page;
}
const page_html = Page_with_words();

function Page(policy, style, scripts) {
  return page_html
    .replace('@CONTENT_SECURITY_POLICY@', () => policy)
    .replace('@PAGE_STYLE@', () => style)
    .replace('@PAGE_SCRIPTS@', () => scripts);
}

const core_js = read(join(core_dir, 'voran-core.js'));
const plain_core_js = read(join(core_dir, 'voran-core-js.js'));
const core_wasm = readFileSync(join(core_dir, 'voran-core.wasm'));
const page_css = read(join(page_dir, 'page.css'));
const page_js = read(join(page_dir, 'page.js'));

rmSync(out_dir, { recursive: true, force: true });
mkdirSync(out_dir, { recursive: true });

writeFileSync(join(out_dir, 'voran.html'), Page(Single_file_policy, `<style>\n${page_css}</style>`, [
  Inline_script(core_js, 'voran-core.js', true),
  Inline_script(plain_core_js, 'voran-core-js.js', true),
  Inline_script(`const Voran_wasm_base64 = "${core_wasm.toString('base64')}";`, 'the WebAssembly'),
  Inline_script(page_js, 'page.js'),
].join('\n')));

writeFileSync(join(out_dir, 'index.html'), Page(Server_policy, '<link rel="stylesheet" href="page.css">',
  '<script src="voran-core.js" data-voran-core></script>\n<script src="voran-core-js.js" data-voran-core></script>\n' +
  '<script src="page.js"></script>'));
copyFileSync(join(core_dir, 'voran-core.js'), join(out_dir, 'voran-core.js'));
copyFileSync(join(core_dir, 'voran-core-js.js'), join(out_dir, 'voran-core-js.js'));
copyFileSync(join(core_dir, 'voran-core.wasm'), join(out_dir, 'voran-core.wasm'));
copyFileSync(join(page_dir, 'page.css'), join(out_dir, 'page.css'));
copyFileSync(join(page_dir, 'page.js'), join(out_dir, 'page.js'));
