// Turns TeX into an equation with MathJax, one request after another, until its standard
// input ends: the program that started it has ended (or died), so it ends too. The
// equation comes as a picture (SVG), as MathML and as Office Math (OMML).
//
// Request:  "<bytes>\n" followed by that many bytes of UTF-8 TeX (without delimiters).
// Answer:   "equation <width> <height> <svg bytes> <mathml bytes> <omml bytes>\n" and the
//           three texts, with the natural size in points at a 12-point body text; or
//           "error <kind> <bytes>\n<message>" when MathJax cannot typeset, kind being
//           MathJax's name for the fault (or "Other").
'use strict';

const BODY_POINTS = 12;
// An equation stands as high as a line of text at its size at least, with room for an
// exponent or an index, so that x and x² come out alike; only what reaches beyond the
// line (a fraction, a vector's arrow) makes it taller.
const LINE_ASCENT = 900, LINE_DEPTH = 350;  // thousandths of an em

function loadMathJax() {
  const {mathjax} = require('mathjax-full/js/mathjax.js');
  const {TeX} = require('mathjax-full/js/input/tex.js');
  const {SVG} = require('mathjax-full/js/output/svg.js');
  const {liteAdaptor} = require('mathjax-full/js/adaptors/liteAdaptor.js');
  const {RegisterHTMLHandler} = require('mathjax-full/js/handlers/html.js');
  const {SerializedMmlVisitor} = require('mathjax-full/js/core/MmlTree/SerializedMmlVisitor.js');
  const {STATE} = require('mathjax-full/js/core/MathItem.js');
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
  const mathml = new SerializedMmlVisitor();
  return (source) => {
    // Display style, as equation objects show it: a fraction as high as two lines.
    const tree = doc.convert(source, {display: true, end: STATE.CONVERT});
    markAccents(tree);
    const node = doc.convert(source, {display: true});
    return {svg: adaptor.innerHTML(node), mathml: oneRow(mathml.visitTree(tree))};
  };
}

// An accent over a base (\\vec) says so on the over-script, as MathML readers expect it
// (MathJax leaves it on the accent's operator); converters make it an Office Math accent.
function markAccents(tree) {
  tree.walkTree((node) => {
    if (!node.isKind('munderover') && !node.isKind('mover')) return;
    const over = node.childNodes[node.over];
    if (over && over.isKind('mo') && over.attributes.get('accent')) node.attributes.set('accent', true);
  });
}

// The equation as one row: LibreOffice's MathML import reads each child of <math> as
// a line of its own.
function oneRow(mathml) {
  return mathml.replace(/^(<math[^>]*>)([\s\S]*)(<\/math>)\s*$/, '$1<mrow>$2</mrow>$3');
}

// The picture as a file of its own: sized in points to its line, black where MathJax
// leaves the colour to the page.
function standalone(svg) {
  const box = /viewBox="([-\d.e]+) ([-\d.e]+) ([-\d.e]+) ([-\d.e]+)"/.exec(svg);
  if (!box) throw new Error('MathJax gave a picture without a view box');
  const top = Math.min(Number(box[2]), -LINE_ASCENT);
  const bottom = Math.max(Number(box[2]) + Number(box[4]), LINE_DEPTH);
  const width = Number(box[3]) / 1000 * BODY_POINTS;
  const height = (bottom - top) / 1000 * BODY_POINTS;
  const text = svg
    .replace(/ style="vertical-align:[^"]*"/, '')
    .replace(box[0], `viewBox="${box[1]} ${top} ${box[3]} ${bottom - top}"`)
    .replace(/ width="[^"]*"/, ` width="${width.toFixed(3)}pt"`)
    .replace(/ height="[^"]*"/, ` height="${height.toFixed(3)}pt"`)
    .replace(/currentColor/g, 'black');
  return {width, height, text: '<?xml version="1.0" encoding="UTF-8" standalone="no"?>\n' + text};
}

function answer(head, ...bodies) {
  const bytes = bodies.map((body) => Buffer.from(body, 'utf8'));
  process.stdout.write(`${head} ${bytes.map((b) => b.length).join(' ')}\n`);
  for (const b of bytes) process.stdout.write(b);
}

// MathJax's name for what is wrong with the TeX; a formula nested too deeply for the
// parser ends its recursion.
function faultOf(err) {
  if (err instanceof RangeError) return 'CallStack';
  return err && typeof err.id === 'string' && /^\w+$/.test(err.id) ? err.id : 'Other';
}

function serve(typeset, omml) {
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
        const equation = typeset(source);
        const picture = standalone(equation.svg);
        answer(`equation ${picture.width.toFixed(4)} ${picture.height.toFixed(4)}`, picture.text,
               equation.mathml, omml(equation.mathml));
      } catch (err) {
        answer(`error ${faultOf(err)}`, String(err && err.message ? err.message : err));
      }
    }
  });
  process.stdin.on('end', () => process.exit(0));
  process.stdout.on('error', () => process.exit(0));
}

// Office Math for the MathML, as one m:oMath that the schema accepts: the converter
// writes a group character's position as an attribute of the character, and upright
// letters (\\mathrm) as plain text with an unknown style and properties out of order.
function officeMath(convert) {
  return (mathml) => tableCellsAsText(convert(mathml)
    .replace(/<m:chr m:val="([^"]*)" m:pos="(top|bot)"\/>/g, '<m:chr m:val="$1"/><m:pos m:val="$2"/>')
    .replace(/<w:rPr\/><m:rPr><m:nor\/><m:sty m:val="undefined"\/><\/m:rPr>/g,
             '<m:rPr><m:sty m:val="p"/></m:rPr>'));
}

// A vertical addition's cells, as LibreOffice reads them: it drops an empty cell at the
// start of a row, which shifts the digits out of their columns, and takes a cell holding
// only "+" for an operator without operands. Such cells become plain text, a blank or
// the sign itself, which every reader shows as before.
function tableCellsAsText(omml) {
  const text = (t) => `<m:e><m:r><m:rPr><m:nor/></m:rPr><m:t xml:space="preserve">${t}</m:t></m:r></m:e>`;
  let cells = omml, before;
  do {
    before = cells;
    cells = cells.replace(/(<m:mr>|<\/m:e>)<m:e\/>/g, (_, start) => start + text(' '));
  } while (cells !== before);
  return cells.replace(/<m:e><m:r><m:t xml:space="preserve">([+\u2212=\u00d7\u00f7-])<\/m:t><\/m:r><\/m:e>/g,
             (_, sign) => text(sign));
}

// The converter is an ECMAScript module, which only import() loads.
async function start() {
  let typeset, omml;
  try {
    typeset = loadMathJax();
    omml = officeMath((await import('mathml2omml')).mml2omml);
  } catch (err) {
    answer('missing', String(err && err.message ? err.message : err));
    process.exit(3);
  }
  process.stdout.write('ready\n');
  serve(typeset, omml);
}

start();
