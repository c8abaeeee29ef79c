// Turns TeX into an SVG picture with MathJax, one request after another, until its
// standard input ends: the program that started it has ended (or died), so it ends too.
//
// Request:  "<bytes>\n" followed by that many bytes of UTF-8 TeX (without delimiters).
// Answer:   "svg <width> <height> <bytes>\n<svg>" with the natural size in points at a
//           12-point body text, or "error <bytes>\n<message>" when MathJax cannot typeset.
'use strict';

const BODY_POINTS = 12;

function loadMathJax() {
  const {mathjax} = require('mathjax-full/js/mathjax.js');
  const {TeX} = require('mathjax-full/js/input/tex.js');
  const {SVG} = require('mathjax-full/js/output/svg.js');
  const {liteAdaptor} = require('mathjax-full/js/adaptors/liteAdaptor.js');
  const {RegisterHTMLHandler} = require('mathjax-full/js/handlers/html.js');
  require('mathjax-full/js/input/tex/base/BaseConfiguration.js');
  require('mathjax-full/js/input/tex/ams/AmsConfiguration.js');
  require('mathjax-full/js/input/tex/newcommand/NewcommandConfiguration.js');
  require('mathjax-full/js/input/tex/configmacros/ConfigMacrosConfiguration.js');

  const adaptor = liteAdaptor();
  RegisterHTMLHandler(adaptor);
  // Capital Greek letters that look like Latin ones have no command of their own in TeX.
  const latinCapitals = {Alpha: 'A', Beta: 'B', Chi: 'X', Epsilon: 'E', Eta: 'H', Iota: 'I', Kappa: 'K',
                         Mu: 'M', Nu: 'N', Omicron: 'O', Rho: 'P', Tau: 'T', Zeta: 'Z'};
  const macros = {};
  for (const [name, letter] of Object.entries(latinCapitals)) macros[name] = '\\mathrm{' + letter + '}';
  const tex = new TeX({
    packages: ['base', 'ams', 'newcommand', 'configmacros'],
    macros,
    formatError: (jax, err) => { throw err; },
  });
  const svg = new SVG({fontCache: 'none'});
  const doc = mathjax.document('', {InputJax: tex, OutputJax: svg});
  return (source) => {
    const node = doc.convert(source, {display: false});
    return adaptor.innerHTML(node);
  };
}

// The picture as a file of its own: sized in points, black where MathJax leaves the
// colour to the page.
function standalone(svg) {
  const box = /viewBox="([-\d.e]+) ([-\d.e]+) ([-\d.e]+) ([-\d.e]+)"/.exec(svg);
  if (!box) throw new Error('MathJax gave a picture without a view box');
  const width = Number(box[3]) / 1000 * BODY_POINTS;
  const height = Number(box[4]) / 1000 * BODY_POINTS;
  const text = svg
    .replace(/ style="vertical-align:[^"]*"/, '')
    .replace(/ width="[^"]*"/, ` width="${width.toFixed(3)}pt"`)
    .replace(/ height="[^"]*"/, ` height="${height.toFixed(3)}pt"`)
    .replace(/currentColor/g, 'black');
  return {width, height, text: '<?xml version="1.0" encoding="UTF-8" standalone="no"?>\n' + text};
}

function answer(kind, head, body) {
  const bytes = Buffer.from(body, 'utf8');
  process.stdout.write(`${kind}${head} ${bytes.length}\n`);
  process.stdout.write(bytes);
}

function serve(typeset) {
  let pending = Buffer.alloc(0);
  process.stdin.on('data', (chunk) => {
    pending = Buffer.concat([pending, chunk]);
    for (;;) {
      const end = pending.indexOf(10);
      if (end < 0) return;
      const length = Number(pending.subarray(0, end).toString('latin1'));
      if (!Number.isInteger(length) || length < 0) process.exit(2);
      if (pending.length < end + 1 + length) return;
      const source = pending.subarray(end + 1, end + 1 + length).toString('utf8');
      pending = pending.subarray(end + 1 + length);
      try {
        const picture = standalone(typeset(source));
        answer('svg', ` ${picture.width.toFixed(4)} ${picture.height.toFixed(4)}`, picture.text);
      } catch (err) {
        answer('error', '', String(err && err.message ? err.message : err));
      }
    }
  });
  process.stdin.on('end', () => process.exit(0));
  process.stdout.on('error', () => process.exit(0));
}

let typeset;
try {
  typeset = loadMathJax();
} catch (err) {
  answer('missing', '', String(err && err.message ? err.message : err));
  process.exit(3);
}
process.stdout.write('ready\n');
serve(typeset);
