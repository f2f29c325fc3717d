// SPDX-License-Identifier: GPL-3.0-or-later
// Without a browser: the module draws each worksheet page as the same SVG document as the native
// engine (tests/web/writeSheetSvgs.cpp), so that a variant is the same sheet in both editions.
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { join } from "node:path";
import { test } from "node:test";
import { webDir } from "./browser.mjs";

const expected = JSON.parse(readFileSync(process.env.ZYKLORA_SHEET_SVGS, "utf8"));

test("the module's worksheet pages equal the native engine's, and their file names", async () => {
    let memory;
    const text = (at, length) => new TextDecoder().decode(new Uint8Array(memory.buffer, at, length));
    let handed = null;
    let choice = null;
    const calls = {
        showSheet: (at, length, nameAt, nameLength) => {
            handed = { svg: text(at, length), name: text(nameAt, nameLength) };
        },
        showSheetChoice: (count, variant, copies, pages, at, length, jobAt, jobLength) => {
            choice = { count, variant, copies, pages, preview: text(at, length),
                job: text(jobAt, jobLength) };
        },
    };
    // Only the worksheets are asked for: every other import is never called.
    const zyklora = new Proxy({}, { get: (_, name) => calls[name] ?? (() => {}) });
    const { instance } = await WebAssembly.instantiate(
        readFileSync(join(webDir, "web/zyklora.wasm")),
        { zyklora, wasi_snapshot_preview1: zyklora });
    const engine = instance.exports;
    memory = engine.memory;
    engine._initialize();
    assert.equal(Object.keys(expected).length, 3 * 3 * 2 * 2);
    for (const [key, native] of Object.entries(expected)) {
        const [kind, n, variant, solution] = key.split(" ").map(Number);
        handed = null;
        assert.equal(engine.sheetChoose(kind, n, variant, solution, 0, 25), 1);
        assert.equal(choice.pages, solution + 1, key);
        assert.equal(engine.sheetPage(solution), 1);
        assert.equal(handed.svg, native, key);
        assert.match(handed.name, solution ? /^loesung-/ : /^arbeitsblatt-/);
        // The preview is the first page, the sheet.
        if (solution === 0) assert.equal(choice.preview, native, key);
    }
    // A class set: its pages, the numbers read back, and no page beyond the last.
    assert.equal(engine.sheetChoose(1, 9, 9999.7, 1, 1, 41), 1);
    assert.deepEqual([choice.count, choice.variant, choice.copies, choice.pages], [10, 9999, 40, 80]);
    assert.equal(choice.job, "klassensatz-mit-loesungen-tabelle-ausfuellen-10-v9999-v39");
    assert.equal(engine.sheetPage(79), 1);
    assert.equal(handed.name, "loesung-tabelle-ausfuellen-10-v39.svg");
    handed = null;
    assert.equal(engine.sheetPage(80), 0);
    assert.equal(engine.sheetPage(-1), 0);
    assert.equal(handed, null);
    // Numbers that are none, and a kind that is none.
    assert.equal(engine.sheetCount(NaN), 4);
    assert.equal(engine.sheetVariant(NaN), 1);
    assert.equal(engine.sheetCopies(NaN), 2);
    choice = null;
    assert.equal(engine.sheetChoose(3, 10, 1, 0, 0, 2), 0);
    assert.equal(choice, null);
});
