// The page: the worksheet, the results viewer and the table tool of VORAN in
// a browser. Every number, check and message comes from the program's own
// core (voran-core, compiled to WebAssembly): this script passes the user's
// texts in and shows the texts that come back: its words stand in the page
// (web/assemble.mjs writes them from the core) or come from the core as it
// runs. Nothing is sent anywhere.
'use strict';

(function () {
  const $ = (id) => document.getElementById(id);

  // The single-file page carries the WebAssembly inline, as base64.
  function Inline_wasm() {
    if (typeof Voran_wasm_base64 !== 'string') return {};
    const text = atob(Voran_wasm_base64);
    const bytes = new Uint8Array(text.length);
    for (let i = 0; i < text.length; ++i) bytes[i] = text.charCodeAt(i);
    return { wasmBinary: bytes };
  }

  // The browser's languages, as the desktop program follows the regional
  // settings; the browser's default where it names none.
  function Languages() {
    return navigator.languages && navigator.languages.length ? navigator.languages : undefined;
  }

  // The decimal separator of the browser's language.
  function Decimal_separator() {
    try {
      const part = new Intl.NumberFormat(Languages()).formatToParts(1.5).find((p) => p.type === 'decimal');
      return part ? part.value : '.';
    } catch (error) {
      return '.';
    }
  }

  // Today's date as the user reads dates, in full, as the PDF document's
  // foot gives it.
  function Today() {
    try {
      return new Intl.DateTimeFormat(Languages(), { dateStyle: 'full' }).format(new Date());
    } catch (error) {
      return new Date().toDateString();
    }
  }

  // A text as a CSS string, for the style's custom properties.
  function Css_string(text) {
    return '"' + text.replace(/[\\"]/g, '\\$&').replace(/\n/g, '\\a ') + '"';
  }

  // The browser's storage, when it lets the page have one.
  function Storage() {
    try {
      return window.localStorage;
    } catch (error) {
      return null;
    }
  }

  let audio = null;
  function Beep() {
    try {
      audio = audio || new AudioContext();
      const tone = audio.createOscillator();
      const gain = audio.createGain();
      gain.gain.value = 0.08;
      tone.frequency.value = 880;
      tone.connect(gain).connect(audio.destination);
      tone.start();
      tone.stop(audio.currentTime + 0.12);
    } catch (error) {
      // No sound where the browser gives none; the message still shows.
    }
  }

  function Download(name, blob) {
    const link = document.createElement('a');
    link.href = URL.createObjectURL(blob);
    link.download = name;
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 60000);
  }

  // The core compiled to WebAssembly; where the browser has no WebAssembly
  // (a JIT switched off, a policy forbidding it) or cannot start it, the
  // same core compiled to plain JavaScript. Also run inside the table's
  // worker, from its source text.
  function Start_core(options) {
    const plain = () => Voran_core_js({});
    if (typeof WebAssembly !== 'object' || WebAssembly === null) return plain();
    try {
      // A copy: the core makes the object it is given its own.
      return Voran_core({ ...options }).catch(plain);
    } catch (error) {
      return plain();
    }
  }

  // The table's worker, from its source text: it reads the chosen file,
  // runs the table through its own core and posts the output in chunks (each
  // a Blob, which the browser keeps outside the page), the progress, and the
  // outcome. A worker runs one table and is then ended, handing back all of
  // its memory.
  function Table_worker_main() {
    self.onmessage = async (event) => {
      const { file, separator, delimiter, core_options, page_url } = event.data;
      // The core's files beside the page (on a server), not beside the worker.
      const core = await Start_core({ ...core_options, locateFile: (path) => new URL(path, page_url).href });
      let bytes;
      try {
        bytes = new Uint8Array(await file.arrayBuffer());
      } catch (error) {
        postMessage({ kind: 'unreadable' });
        return;
      }
      let told = 0;
      const outcome = core.runTable(file.name, bytes, separator, delimiter, (chunk) => {
        try {
          postMessage({ kind: 'chunk', blob: new Blob([chunk]) });
          return true;
        } catch (error) {
          return false;
        }
      }, (progress) => {
        // At most ten a second: the page's status line need not change more.
        const now = performance.now();
        if (now - told < 100) return;
        told = now;
        postMessage({ kind: 'progress', text: progress });
      });
      postMessage({ kind: 'done', outcome });
    };
  }

  // The worker's script: the core's scripts (inline in the single-file
  // page, files beside the page on a server), then the two functions above.
  function Table_worker_url() {
    const parts = Array.from(document.querySelectorAll('script[data-voran-core]'), (script) =>
      script.src ? `importScripts(${JSON.stringify(script.src)});\n` : script.textContent + '\n');
    parts.push(`'use strict';\nconst Start_core = ${Start_core};\n(${Table_worker_main})();\n`);
    return URL.createObjectURL(new Blob(parts, { type: 'text/javascript' }));
  }

  function Start(core, core_options) {
    const separator = Decimal_separator();
    const storage = Storage();
    const fields = [0, 1, 2, 3].map((slot) => $('input-' + slot));
    const notes = $('notes');
    const results = $('results');
    const dialog = $('message');

    const texts = core.texts();
    notes.maxLength = texts.notesMaxLength;
    const root_style = document.documentElement.style;
    root_style.setProperty('--page-number-lead', Css_string(texts.pageNumberLead));
    root_style.setProperty('--page-count-lead', Css_string(texts.pageCountLead));

    // From 1024 pixels up the results box shows the report's columns whole:
    // where they would not fit, its font is made smaller (in tenths of a
    // pixel), as the viewer narrows its letter spacing. Narrower, the font
    // keeps its size and the box scrolls sideways.
    const columns_fit = window.matchMedia('(min-width: 1024px)');
    const measure = document.createElement('canvas').getContext('2d');
    function Fit_report_columns() {
      results.style.fontSize = '';
      if (!columns_fit.matches) return;
      const style = getComputedStyle(results);
      const room = results.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight);
      measure.font = `${style.fontSize} ${style.fontFamily}`;
      const natural = measure.measureText('_'.repeat(texts.reportColumns)).width;
      if (natural > room) results.style.fontSize = `${Math.floor(parseFloat(style.fontSize) * room / natural * 10) / 10}px`;
    }
    new ResizeObserver(Fit_report_columns).observe(results);
    columns_fit.addEventListener('change', Fit_report_columns);

    // The message box: modal, announced with its text, one OK button; when
    // it closes the focus goes where the message says it belongs.
    let after_message = null;
    function Show_message(kind, text, then) {
      if (dialog.open) return;  // one message at a time, as a modal box allows
      dialog.className = kind;
      $('message-title').textContent = kind === 'error' ? texts.errorTitle : texts.warningTitle;
      $('message-text').textContent = text;
      after_message = then;
      dialog.showModal();
      $('message-ok').focus();
    }
    dialog.addEventListener('close', () => {
      const then = after_message;
      after_message = null;
      if (then) then();
    });

    // As the worksheet does, the program selects an input field's text when
    // it puts the focus there.
    function Focus_field(field) {
      field.focus();
      field.select();
    }

    function Say(verdict, field, then) {
      if (verdict.beep) Beep();
      if (verdict.warning) Show_message('warning', verdict.warning, () => { if (then) then(); else field.focus(); });
    }

    // Puts the accepted characters in place of the field's selection as an
    // edit of the field's own, which its undo takes back.
    function Insert(field, text) {
      if (!document.execCommand('insertText', false, text)) {
        field.setRangeText(text, field.selectionStart, field.selectionEnd, 'end');
      }
    }

    // At most six characters, checked as each key is released and after a
    // paste. Not while a message is open or still closing: the release of
    // the Enter that answered it may reach the field before the message's
    // close has put the field right (the close event comes later), and must
    // not warn again.
    function Check_length(field) {
      if (dialog.open || after_message) return;
      const verdict = core.limitLength(field.value);
      if (verdict.warning) {
        Say(verdict, field, () => {
          field.value = verdict.text;
          Focus_field(field);
        });
      }
    }

    for (const field of fields) {
      // Each typed character passes the key filter.
      field.addEventListener('beforeinput', (event) => {
        if (event.inputType !== 'insertText' || event.data === null) return;
        const verdict = core.filterTyped(event.data);
        if (verdict.text !== event.data) {
          event.preventDefault();
          if (verdict.text) Insert(field, verdict.text);
        }
        Say(verdict, field);
      });
      // So does each pasted one (Ctrl+V or the context menu), as if typed.
      field.addEventListener('paste', (event) => {
        event.preventDefault();
        const verdict = core.filterTyped(event.clipboardData ? event.clipboardData.getData('text/plain') : '');
        if (verdict.text) Insert(field, verdict.text);
        if (verdict.warning) Say(verdict, field, () => { field.focus(); Check_length(field); });
        else Check_length(field);
      });
      // Enter computes, as the Compute button does.
      field.addEventListener('keydown', (event) => {
        if (event.key !== 'Enter' || event.isComposing || event.ctrlKey || event.altKey || event.metaKey) return;
        event.preventDefault();
        $('compute').click();
      });
      field.addEventListener('keyup', () => Check_length(field));
    }

    function Limits_item() {
      return Number(document.querySelector('input[name="limits"]:checked').value);
    }

    function Keep_control_data(text) {
      try {
        if (storage) storage.setItem(texts.controlDataKey, text);
      } catch (error) {
        // Storage full or switched off: the report is made all the same.
      }
    }

    // The plot of the last comparison, downloadable as SVG and as PNG drawn
    // from the SVG at the size voran-report writes.
    let plot_svg = '';
    function Show_plot(plot) {
      plot_svg = plot.svg;
      const document_of_plot = new DOMParser().parseFromString(plot_svg, 'image/svg+xml');
      $('plot').replaceChildren(...(plot_svg ? [document.importNode(document_of_plot.documentElement, true)] : []));
      $('plot-error').textContent = plot.error;
      $('save-svg').disabled = $('save-png').disabled = !plot_svg;
      $('plot-section').hidden = false;
    }
    $('save-svg').addEventListener('click', () => {
      Download(texts.svgFileName, new Blob([plot_svg], { type: 'image/svg+xml' }));
    });
    $('save-png').addEventListener('click', () => {
      const picture = new Image();
      picture.onload = () => {
        const canvas = document.createElement('canvas');
        canvas.width = texts.pngWidth;
        canvas.height = texts.pngHeight;
        canvas.getContext('2d').drawImage(picture, 0, 0, canvas.width, canvas.height);
        canvas.toBlob((png) => Download(texts.pngFileName, png), 'image/png');
      };
      picture.src = 'data:image/svg+xml;charset=utf-8,' + encodeURIComponent(plot_svg);
    });

    // The "Result" region: the key figures and the summary of the last
    // comparison, in the language chosen (proposed from the browser's and
    // kept in the storage).
    const summary_texts = core.summaryTexts();
    const summary_language = $('summary-language');
    summary_language.replaceChildren(...summary_texts.languages.map((language) => new Option(language.name, language.code)));
    let kept_language = null;
    try {
      kept_language = storage ? storage.getItem(texts.summaryLanguageKey) : null;
    } catch (error) {
      // Nothing kept.
    }
    summary_language.value = kept_language || core.proposedSummaryLanguage(navigator.language || '');
    if (!summary_language.value) summary_language.value = core.proposedSummaryLanguage('');
    // "Compute" in the core, which keeps the comparison it reported last
    // for the plot and the summary (the page lives as long as it does: never deleted).
    const worksheet = new core.Worksheet();
    let summary_text = '';
    function Show_summary() {
      const summary = worksheet.summary(summary_language.value);
      if (!summary.sentences) return;  // nothing reported yet
      $('key-figures').replaceChildren(...summary.figures.map((figure) => {
        const pair = document.createElement('div');
        const caption = document.createElement('dt');
        caption.textContent = figure.caption;
        const value = document.createElement('dd');
        const number = document.createElement('span');
        number.className = 'figure';
        number.textContent = figure.value;
        value.append(number);
        if (figure.limits) {
          const limits = document.createElement('span');
          limits.className = 'figure-limits';
          limits.textContent = figure.limits;
          value.append(' ', limits);
        }
        pair.append(caption, value);
        return pair;
      }));
      $('summary-sentences').textContent = summary.sentences;
      $('summary-statistics').textContent = summary.statistics;
      summary_text = summary.sentences ? summary.sentences + '\n' + summary.statistics + '\n' : '';
      $('copy-summary').disabled = !summary_text;
      $('result-section').hidden = false;
    }
    summary_language.addEventListener('change', () => {
      try {
        if (storage) storage.setItem(texts.summaryLanguageKey, summary_language.value);
      } catch (error) {
        // Not kept; the summary changes all the same.
      }
      Show_summary();
    });
    $('copy-summary').addEventListener('click', async () => {
      try {
        await navigator.clipboard.writeText(summary_text);
        $('copy-status').textContent = summary_texts.copied;
      } catch (error) {
        // No clipboard: the summary stays selectable on the page.
        $('copy-status').textContent = summary_texts.notCopied;
      }
    });

    let reports_made = 0;
    $('compute').addEventListener('click', () => {
      const inputs = fields.map((field) => field.value);
      const limits_item = Limits_item();
      const outcome = worksheet.compute(inputs, limits_item, notes.value, results.value, separator);
      if (outcome.refusedField >= 0) {
        Show_message('warning', outcome.warning, () => Focus_field(fields[outcome.refusedField]));
        return;
      }
      Keep_control_data(outcome.controlData);
      if (outcome.error) {
        Show_message('error', outcome.error, () => $('compute').focus());
        return;
      }
      const report_line = results.value.split('\n').length - 1;
      results.value += outcome.addition;
      Show_summary();
      // Show the new report from its top, and the results on a narrow
      // screen, where they stand below the worksheet.
      const line_height = parseFloat(getComputedStyle(results).lineHeight) || 16;
      results.scrollTop = Math.max(0, report_line * line_height - line_height);
      results.scrollIntoView({ block: 'nearest' });
      // The picture follows once the report is on the screen. It is as wide
      // as the column it stands in (as the results), up to the size of a
      // saved picture, in its proportions.
      const plot_width = Math.min(texts.plotWidth, results.clientWidth);
      setTimeout(() => Show_plot(worksheet.plot(plot_width, plot_width * texts.plotHeight / texts.plotWidth)));
      ++reports_made;
      $('compute-status').textContent = core.reportAdded(reports_made);
    });

    $('clear-data').addEventListener('click', () => {
      for (const field of fields) field.value = '';
      notes.value = '';
      try {
        if (storage) storage.removeItem(texts.controlDataKey);
      } catch (error) {
        // Nothing was kept.
      }
      Focus_field(fields[0]);
    });

    // The results as Save Output last wrote them: leaving the page with
    // other results asks first, through the browser's own question.
    let saved_results = '';
    $('save-output').addEventListener('click', () => {
      Download(texts.resultsFileName, new Blob([core.resultsFile(results.value)], { type: 'text/plain' }));
      saved_results = results.value;
    });
    window.addEventListener('beforeunload', (event) => {
      if (results.value === '' || results.value === saved_results) return;
      event.preventDefault();
      event.returnValue = '';
    });

    // Clear Results is one edit that Ctrl+Z undoes, as in the viewer: the
    // text comes back while the results stay empty, with the focus on the
    // results or anywhere but another text field, which has its own undo.
    let cleared_results = '';
    $('clear-results').addEventListener('click', () => {
      if (results.value === '') return;
      cleared_results = results.value;
      results.value = '';
    });
    results.addEventListener('input', () => { cleared_results = ''; });
    document.addEventListener('keydown', (event) => {
      const undo = (event.ctrlKey || event.metaKey) && !event.altKey && !event.shiftKey && event.key.toLowerCase() === 'z';
      const other_field = event.target !== results && event.target.matches('input, textarea, select');
      if (!undo || other_field || cleared_results === '' || results.value !== '') return;
      event.preventDefault();
      results.value = cleared_results;
      cleared_results = '';
    });

    // The printed copy: one block per report, kept on one page where it
    // fits, with today's date at the foot of every page.
    function Prepare_print() {
      root_style.setProperty('--print-date', Css_string(Today()));
      $('print-copy').replaceChildren(...core.printBlocks(results.value).map((block) => {
        const pre = document.createElement('pre');
        pre.textContent = block;
        return pre;
      }));
    }
    window.addEventListener('beforeprint', Prepare_print);
    $('print').addEventListener('click', () => {
      Prepare_print();
      window.print();
    });

    // The table of comparisons.
    const table_status = $('table-status');
    const download = $('download-results');
    const output_delimiter = $('output-delimiter');
    const delimiters = core.outputDelimiters();
    $('output-delimiter-caption').textContent = delimiters.caption;
    output_delimiter.replaceChildren(...delimiters.items.map((item) => {
      const option = document.createElement('option');
      option.value = item.word;
      option.textContent = item.caption;
      return option;
    }));
    const cancel = $('cancel-table');
    let table_output = null;
    let table_file = null;
    let table_worker = null;
    let worker_url = null;
    function Table_message(text, refused) {
      table_status.textContent = text;
      table_status.classList.toggle('refused', refused);
    }
    // The shown rows are laid out a hundred at a time, each hundred in a
    // task of its own and drawn before the next: a thousand rows of
    // eighteen cells at once would hold the page for far longer than a
    // tenth of a second. A later table (or none) ends the laying out of an
    // earlier one.
    const table_rows = $('table-rows');
    const Rows_per_task = 100;
    let rows_shown = 0;  // counts the tables shown, so that a stale one stops
    function Clear_rows() {
      ++rows_shown;
      table_rows.replaceChildren();
    }
    function Row_element(row, heading) {
      const line = document.createElement('tr');
      for (const field of row) {
        const cell = document.createElement(heading ? 'th' : 'td');
        if (heading) cell.scope = 'col';
        cell.textContent = field;
        line.append(cell);
      }
      return line;
    }
    function Show_rows(rows) {
      Clear_rows();
      const shown = rows_shown;
      let next = 0;
      (function Show_some() {
        if (shown !== rows_shown) return;
        const fragment = document.createDocumentFragment();
        for (const end = Math.min(rows.length, next + Rows_per_task); next < end; ++next)
          fragment.append(Row_element(rows[next], next === 0));
        table_rows.append(fragment);
        // The next hundred once these are drawn.
        if (next < rows.length) requestAnimationFrame(() => setTimeout(Show_some));
      })();
    }
    function End_worker() {
      if (table_worker) table_worker.terminate();
      table_worker = null;
      cancel.hidden = true;
    }
    // The table's results, separated by the delimiter chosen; with none
    // chosen, by the table's own, which the choice then proposes. The run
    // is the worker's; the page shows its progress meanwhile.
    function Show_table(delimiter) {
      End_worker();
      table_output = null;
      download.disabled = true;
      Clear_rows();
      Table_message('', false);
      const file = table_file;
      const chunks = [];
      worker_url = worker_url || Table_worker_url();
      const worker = new Worker(worker_url);
      table_worker = worker;
      cancel.hidden = false;
      worker.onmessage = ({ data }) => {
        if (worker !== table_worker) return;
        if (data.kind === 'chunk') {
          chunks.push(data.blob);
        } else if (data.kind === 'progress') {
          Table_message(data.text, false);
        } else if (data.kind === 'unreadable') {
          End_worker();
          Table_message(core.tableUnreadable(file.name), true);
        } else if (data.kind === 'done') {
          End_worker();
          const outcome = data.outcome;
          if (outcome.message) {
            Table_message(outcome.message, true);
            return;
          }
          output_delimiter.value = outcome.delimiter;
          table_output = {
            name: core.tableResultsName(file.name),
            blob: new Blob(chunks, { type: 'text/csv' }),
          };
          Show_rows(JSON.parse(outcome.rowsJson));
          Table_message(outcome.summary, outcome.stopped);
          download.disabled = false;
        }
      };
      worker.onerror = (event) => {
        event.preventDefault();
        if (worker !== table_worker) return;
        End_worker();
        Table_message(core.tableFailed(file.name), true);
      };
      worker.postMessage({ file, separator, delimiter, core_options, page_url: location.href });
    }
    function Run_table(file) {
      End_worker();
      table_file = null;
      table_output = null;
      download.disabled = true;
      Clear_rows();
      const refusal = core.tableSizeRefusal(file.name, file.size);
      if (refusal) {
        Table_message(refusal, true);
        return;
      }
      table_file = file;
      Show_table('');
    }
    cancel.addEventListener('click', () => {
      if (!table_worker) return;
      End_worker();
      Table_message(core.tableCancelled(table_file.name), false);
      table_file = null;
      $('table-file').focus();
    });
    output_delimiter.addEventListener('change', () => {
      if (table_file) Show_table(output_delimiter.value);
    });
    $('table-file').addEventListener('change', (event) => {
      const file = event.target.files[0];
      if (file) Run_table(file);
    });
    download.addEventListener('click', () => {
      if (table_output) Download(table_output.name, table_output.blob);
    });
    const carries_files = (event) => event.dataTransfer && Array.from(event.dataTransfer.types).includes('Files');
    document.addEventListener('dragover', (event) => {
      if (!carries_files(event)) return;
      event.preventDefault();
      document.body.classList.add('dropping');
    });
    document.addEventListener('dragleave', (event) => {
      if (event.relatedTarget === null) document.body.classList.remove('dropping');
    });
    document.addEventListener('drop', (event) => {
      document.body.classList.remove('dropping');
      if (!carries_files(event)) return;
      event.preventDefault();
      if (event.dataTransfer.files.length > 0) Run_table(event.dataTransfer.files[0]);
    });

    // The control data kept at the last Compute come back into SD and N,
    // and the focus goes where the worksheet puts it as it opens. What an
    // earlier page kept beyond them (the cases' scores) is dropped: SD and N
    // are kept again alone.
    const kept = storage ? storage.getItem(texts.controlDataKey) : null;
    let restore_error = '';
    if (kept !== null) {
      const restored = core.restoreControlData(kept);
      fields[0].value = restored.sd;
      fields[1].value = restored.n;
      restore_error = restored.error;
      if (!restore_error) Keep_control_data(core.keptControlData(restored.sd, restored.n));
    }
    $('page').inert = false;
    const first = fields[core.firstFocusedSlot(fields[0].value)];
    Focus_field(first);
    if (restore_error) Show_message('error', restore_error, () => Focus_field(first));
    document.documentElement.dataset.ready = 'true';
    performance.mark('voran-ready');
  }

  const core_options = Inline_wasm();
  Start_core(core_options).then((core) => Start(core, core_options), (error) => {
    const status = $('start-failure').content.firstElementChild.cloneNode(true);
    status.textContent += error;
    document.querySelector('header').append(status);
  });
})();
