// SPDX-License-Identifier: GPL-3.0-or-later
// The count field's text as the engine reads it, by the table that the native tests share
// (tests/support/countCases.tsv); and the page's field after OK.
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { join } from "node:path";
import { after, before, test } from "node:test";
import { openBrowser, openPage, webDir } from "./browser.mjs";

const cases = readFileSync(new URL("../support/countCases.tsv", import.meta.url), "utf8")
    .split("\n").filter((line) => line.startsWith('"')).map((line) => {
        const close = line.indexOf('"', 1);
        const [read, built] = line.slice(close + 1).trim().split("\t").map(Number);
        return { text: line.slice(1, close), read, built };
    });

test("the module reads each text of the shared table to the count the window builds", async () => {
    const ignore = () => 52;
    const imports = new Proxy({}, { get: () => ignore });
    const { instance } = await WebAssembly.instantiate(
        readFileSync(join(webDir, "web/zyklora.wasm")),
        { zyklora: imports, wasi_snapshot_preview1: imports });
    const engine = instance.exports;
    engine._initialize();
    assert.ok(cases.length >= 20);
    const write = (text) => new TextEncoder().encodeInto(text,
        new Uint8Array(engine.memory.buffer, engine.countBuffer(), engine.countCapacity())).written;
    for (const { text, built } of cases) assert.equal(engine.okTyped(write(text)), built, `"${text}"`);
    // Text that does not fit the buffer is no count.
    assert.equal(engine.okTyped(engine.countCapacity() + 1), 4);
});

let browser;
let page;
const errors = [];
before(async () => {
    browser = await openBrowser();
    page = await openPage(browser.context, errors);
});
after(async () => {
    assert.deepEqual(errors, []);
    await browser.close();
});

test("the page's field shows the count built, 1e3 reading as 4", async () => {
    const field = page.getByLabel("Codeanzahl - gerade Zahl von 4 bis 64");
    for (const [typed, shown] of [["1e3", "4"], ["11", "12"], ["", "4"], ["2.5", "4"]]) {
        await field.fill(typed);
        await page.keyboard.press("Enter");
        assert.equal(await field.inputValue(), shown, typed);
        assert.equal(await page.locator("#listing li").count(), Number(shown), typed);
    }
});
