// Prints the text pdf.js finds on each page of the PDF named first, read
// with the pdfjs-dist package in the folder PDFJS_DIR names.
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';

// Its warnings about canvas polyfills go to the console, which is stdout.
console.log = () => {};
const require = createRequire(process.env.PDFJS_DIR + '/');
const pdfjs = await import(require.resolve('pdfjs-dist/legacy/build/pdf.mjs'));
const data = new Uint8Array(readFileSync(process.argv[2]));
const document = await pdfjs.getDocument({ data, verbosity: 0 }).promise;
for (let number = 1; number <= document.numPages; ++number) {
  const content = await (await document.getPage(number)).getTextContent();
  const lines = content.items.map((item) => item.str + (item.hasEOL ? '\n' : ''));
  process.stdout.write(lines.join('') + '\n');
}
