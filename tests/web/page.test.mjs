// SPDX-License-Identifier: GPL-3.0-or-later
// In Chromium: the page from file://, driven as a user drives it.
import assert from "node:assert/strict";
import { readFileSync, statSync } from "node:fs";
import { join } from "node:path";
import { after, before, test } from "node:test";
import { openBrowser, openPage, pageUrl, webDir, okWith } from "./browser.mjs";
import { keptWords } from "./grayCode.mjs";

let browser;
let page;
const errors = [];

before(async () => {
    browser = await openBrowser({ scale: 2 });
    await browser.context.grantPermissions(["clipboard-read", "clipboard-write"]);
    page = await openPage(browser.context, errors);
});
after(async () => {
    assert.deepEqual(errors, []);
    await browser.close();
});


test("the page is one file below 250 000 bytes that loads nothing else", () => {
    const file = join(webDir, "zyklora.html");
    assert.ok(statSync(file).size < 250000, `${statSync(file).size} bytes`);
    const html = readFileSync(file, "utf8");
    assert.deepEqual(html.match(/<(script|img|link|iframe)\b[^>]*\b(src|href)=/g), null);
});

test("OK shows the even count, its listing and its table", async () => {
    for (const [typed, shown] of [[11, 12], [3, 4], [100, 64], [34, 34]]) {
        await okWith(page, typed);
        assert.equal(await page.inputValue("#count"), String(shown));
        const words = keptWords(shown);
        assert.deepEqual(await page.locator("#listing li").allTextContents(), words);
        const rows = await page.locator("#table tbody tr").evaluateAll((trs) =>
            trs.map((tr) => [...tr.cells].map((td) => td.textContent)));
        assert.equal(rows.length, 2 ** Math.ceil(Math.log2(shown)));
        assert.deepEqual(rows.filter((row) => row[4] !== "*").map((row) => row[3]), words);
        assert.equal(await page.textContent("#cycle"),
            `Zyklisch: alle ${shown} Übergänge ändern genau ein Bit`);
    }
});

test("every ring of every sector is black exactly for a 1", async () => {
    for (const n of [10, 64]) {
        await okWith(page, n);
        const words = keptWords(n);
        const bits = words[0].length;
        // Sampled at the middle of each ring and sector, on the canvas's device pixels.
        const black = await page.evaluate(([count, rings]) => {
            const disk = document.getElementById("disk");
            const side = disk.width;
            const pixels = disk.getContext("2d").getImageData(0, 0, side, side).data;
            const ringWidth = Math.floor(side / (2 * rings + 2));
            const centre = Math.floor(side / 2);
            const samples = [];
            for (let sector = 0; sector < count; ++sector) {
                const angle = (sector + 0.5) * 2 * Math.PI / count;
                for (let bit = 0; bit < rings; ++bit) {
                    const radius = centre - (bit + 0.5) * ringWidth;
                    const x = Math.round(centre + radius * Math.cos(angle));
                    const y = Math.round(centre - radius * Math.sin(angle));
                    samples.push(pixels[4 * (y * side + x)] < 64);
                }
            }
            return samples;
        }, [n, bits]);
        const expected = words.flatMap((word) =>
            [...Array(bits).keys()].map((bit) => word[bits - 1 - bit] === "1"));
        assert.deepEqual(black, expected, `n = ${n}`);
    }
    const size = await page.evaluate(() => [disk.width, disk.clientWidth]);
    assert.equal(size[0], 2 * size[1], "drawn at devicePixelRatio 2");
});

test("a tapped sector is selected in the listing, the table and the status line", async () => {
    await okWith(page, 10);
    const box = await page.locator("#disk").boundingBox();
    const angle = 2.5 * 2 * Math.PI / 10;  // the middle of the third sector
    const radius = box.width * 0.4;
    await page.mouse.click(box.x + box.width / 2 + radius * Math.cos(angle),
        box.y + box.height / 2 - radius * Math.sin(angle));
    assert.equal(await page.getAttribute("#listing li:nth-child(3)", "aria-selected"), "true");
    assert.equal(await page.locator("#table tbody tr.selected td").first().textContent(), "2");
    assert.match(await page.textContent("#status"), /^Position 3 von 10: 0011 {2}· {2}Nummer 2/);
    await page.focus("#listing");
    await page.keyboard.press("ArrowUp");
    assert.equal(await page.locator("#listing li.selected").textContent(), "0001");
    await page.focus("#disk");
    await page.keyboard.press("ArrowLeft");
    await page.keyboard.press("ArrowLeft");
    assert.equal(await page.locator("#listing li.selected").textContent(), "1000");
    assert.match(await page.getAttribute("#disk", "aria-description"),
        /^n = 10 Codewörter, 4 Ringe\. Position 10 von 10/);
});

test("copying puts the table on the clipboard, tab-separated", async () => {
    await okWith(page, 6);
    await page.keyboard.press("Control+Shift+C");
    const copied = (await page.evaluate(() => navigator.clipboard.readText())).split("\n");
    assert.equal(copied[0], "Nummer\tDualzahl\tRechts-Shift\tXOR\tEntfernen");
    assert.equal(copied[6], "5\t101\t010\t111\t*");
    assert.equal(copied.length, 1 + 8 + 1);
});

test("saving offers the engine's disk as an SVG download", async () => {
    await okWith(page, 8);
    await page.getByRole("button", { name: "Scheibe speichern" }).click();
    const download = page.waitForEvent("download");
    await page.getByRole("button", { name: "SVG-Grafik" }).click();
    const file = await download;
    assert.equal(file.suggestedFilename(), "codescheibe-8.svg");
    const svg = readFileSync(await file.path(), "utf8");
    assert.match(svg, /<title>Codescheibe mit 8 Wörtern<\/title>/);
    assert.equal(svg.match(/<path /g).length, 3 * 8);
});

test("a module that traps leaves a German message with a reload button", async () => {
    const failing = await browser.context.newPage();
    await failing.addInitScript(() => {
        const Instance = WebAssembly.Instance;
        WebAssembly.Instance = function trapping(module, imports) {
            const { exports } = new Instance(module, imports);
            const okTyped = () => { throw new WebAssembly.RuntimeError("unreachable"); };
            return { exports: { ...exports, okTyped } };
        };
    });
    await failing.goto(pageUrl);
    await failing.getByRole("alert").waitFor();
    assert.match(await failing.getByRole("alert").textContent(), /auf einen internen Fehler gestoßen/);
    assert.equal(await failing.evaluate(() => document.activeElement.textContent),
        "Seite neu laden");
    await failing.close();
});

// Misreads of one turn with ring `ring` (0 = outermost) turned by `offset` degrees, sampled
// finely here, independently of the engine: runs of one word over one sector that belong to
// neither that sector nor a neighbour.
function sampledMisreads(words, ring, offset) {
    const n = words.length;
    const bits = words[0].length;
    const sectorOf = (angle) => Math.floor((((angle % 360) + 360) % 360) / (360 / n)) % n;
    let misreads = 0;
    let jumps = 0;  // neither the head's sector nor the one before it
    let last = "";
    for (let step = 0; step < 360 * 1000; ++step) {
        const angle = (step + 0.5) / 1000;
        const head = sectorOf(angle);
        const read = [...words[head]].map((bit, c) =>
            (bits - 1 - c === ring ? words[sectorOf(angle - offset)][c] : bit)).join("");
        const key = `${head} ${read}`;
        const near = [head, (head + 1) % n, (head + n - 1) % n].map((s) => words[s]);
        if (key !== last && !near.includes(read)) ++misreads;
        if (key !== last && !near.slice(0, 3).filter((_, i) => i !== 1).includes(read)) ++jumps;
        last = key;
    }
    return { misreads, jumps };
}

test("the read head misreads on the binary disk with a turned ring, as a sampled turn counts",
    async () => {
        await okWith(page, 16);
        const pixels = () => page.evaluate(() => {
            const { data } = disk.getContext("2d").getImageData(0, 0, disk.width, disk.height);
            return data.reduce((sum, value, i) => sum + value * (i % 7), 0);
        });
        await page.keyboard.press("Control+L");
        assert.equal(await page.getAttribute("#headButton", "aria-pressed"), "true");
        const before = await pixels();
        await page.getByRole("combobox", { name: "Ring mit Versatz" }).selectOption({ index: 3 });
        await page.getByRole("slider", { name: "Versatz" }).fill("560");
        await page.getByLabel("Dualcode").check();
        assert.notEqual(await pixels(), before);
        await page.focus("#disk");
        for (let i = 0; i < 8; ++i) await page.keyboard.press("ArrowRight");  // 2 degrees
        assert.equal(await page.textContent("#verdict"), "Fehllesung!");
        const binary = [...Array(16).keys()].map((i) => i.toString(2).padStart(4, "0"));
        const [gray, dual] = [keptWords(16), binary].map((w) => sampledMisreads(w, 3, 5.6));
        assert.equal(await page.textContent("#countLine"),
            `Gray-Code: ${gray.misreads} Fehllesungen, ${gray.jumps} Sprünge · ` +
            `Dualcode: ${dual.misreads} Fehllesungen, ${dual.jumps} Sprünge je Umdrehung`);
    });
