// SPDX-License-Identifier: GPL-3.0-or-later
// Makes the one self-contained page: index.html with its stylesheet, its script, the module
// (gzipped, in Base64) and the help pages inlined, so that it works from file:// without a server.
// Usage: node bundle.mjs <zyklora.wasm> <help folder> <zyklora.html>
import { readFileSync, writeFileSync } from "node:fs";
import { join } from "node:path";
import { gzipSync } from "node:zlib";

const [wasmPath, helpDir, outPath] = process.argv.slice(2);
const www = new URL("www/", import.meta.url);
const read = (name) => readFileSync(new URL(name, www), "utf8");
// The inlined script and stylesheet without their comments and indentation: the page's size
// counts, and its own first lines keep the licence.
const compactScript = (text) => text.replace(/^[ \t]*\/\/.*\n/gm, "").replace(/^[ \t]+/gm, "");
const compactStyle = (text) => text.replace(/\/\*[\s\S]*?\*\/\n?/g, "").replace(/^[ \t]+/gm, "");

// The help pages in the order of their table of contents, each as a section whose links
// between pages become links within the page.
const contents = readFileSync(join(helpDir, "toc.hhc"), "utf8");
const pages = [...contents.matchAll(/value="([\w-]+)\.html"/g)].map((match) => match[1]);
// The window's own parts (class "nurFenster") leave the page's help; the page's own parts
// (hilfeBrowser.html) take the place of their marks.
const browserParts = new Map([...read("hilfeBrowser.html")
    .matchAll(/<!-- ([\w-]+) -->\n([\s\S]*?)<!-- \/\1 -->/g)].map((m) => [m[1], m[2]]));
const help = pages.map((name) => {
    const page = readFileSync(join(helpDir, `${name}.html`), "utf8");
    const body = page.match(/<body>([\s\S]*)<\/body>/)[1]
        .replace(/<(\w+) class="nurFenster">[\s\S]*?<\/\1>\n?/g, "")
        .replace(/<!-- nurBrowser: ([\w-]+) -->\n?/g, (_, part) => {
            if (!browserParts.has(part)) throw new Error(`hilfeBrowser.html lacks ${part}`);
            return browserParts.get(part);
        })
        .replace(/href="([\w-]+)\.html"/g, 'href="#hilfe-$1"');
    return `<section id="hilfe-${name}">${body}</section>`;
}).join("\n");

const parts = [
    ['<link rel="stylesheet" href="zyklora.css">',
     `<style>\n${compactStyle(read("zyklora.css"))}</style>`],
    ['<script src="zyklora.js"></script>',
     // Gzipped, the module takes about a third of its size in the page; the script unpacks it
     // with the browser's DecompressionStream.
     `<script id="engine" type="application/gzip">${
         gzipSync(readFileSync(wasmPath), { level: 9 }).toString("base64")}</script>\n` +
     `<script>\n${compactScript(read("zyklora.js"))}</script>`],
    ["<!-- help -->", help],
];
let html = read("index.html");
for (const [placeholder, content] of parts) {
    if (!html.includes(placeholder)) throw new Error(`index.html lacks ${placeholder}`);
    html = html.replace(placeholder, () => content);
}
writeFileSync(outPath, html);
