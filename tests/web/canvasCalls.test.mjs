// SPDX-License-Identifier: GPL-3.0-or-later
// Without a browser: the module draws, call for call, the disk that the native engine draws into
// the recording canvas (tests/support), for every count from 4 to 64.
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { join } from "node:path";
import { test } from "node:test";
import { webDir } from "./browser.mjs";

const expected = JSON.parse(readFileSync(process.env.ZYKLORA_CANVAS_CALLS, "utf8"));
const clBtnFace = 0xff00000f | 0;

// The recording canvas's notation: "black", "face" or the colour's hexadecimal value.
const colorName = (color) => (color === 0 ? "black" : color === clBtnFace ? "face"
    : (color >>> 0).toString(16));

test("the module's canvas calls equal the native engine's for n = 4 .. 64", async () => {
    let calls = [];
    let memory;
    const text = (at, length) => new TextDecoder().decode(new Uint8Array(memory.buffer, at, length));
    const record = (name) => (...numbers) => calls.push([name, ...numbers].join(" "));
    const ignore = () => {};
    const { instance } = await WebAssembly.instantiate(readFileSync(join(webDir, "web/zyklora.wasm")), {
        zyklora: {
            setPenColor: (color) => calls.push(`pen ${colorName(color)}`),
            setBrushColor: (color) => calls.push(`brush ${colorName(color)}`),
            setFont: (at, length, size, color, bold) =>
                calls.push(`font ${text(at, length)} ${size}${bold ? " bold" : ""} ${colorName(color)}`),
            rectangle: record("rectangle"),
            ellipse: record("ellipse"),
            pie: (x1, y1, x2, y2, start, end) =>
                calls.push(`pie ${x1} ${y1} ${x2} ${y2} ${start.toFixed(6)} ${end.toFixed(6)}`),
            moveTo: record("moveTo"),
            lineTo: record("lineTo"),
            textOut: (x, y, at, length) => calls.push(`textOut ${x} ${y} ${text(at, length)}`),
            showListing: ignore, showTable: ignore, showCycle: ignore, showSelection: ignore,
            useColours: ignore, markSector: ignore, markChange: ignore, showSvg: ignore,
            showRings: ignore, showHead: ignore, tintStretch: ignore, drawHead: ignore, drawSensor: ignore,
            showConstruction: ignore, showPractice: ignore, saveMoodle: ignore,
            showSheet: ignore, showDisk: ignore, saveFile: ignore, showSheetChoice: ignore,
        },
        wasi_snapshot_preview1: { fd_write: () => 52, fd_seek: () => 52, fd_close: () => 52,
            proc_exit: ignore },
    });
    const engine = instance.exports;
    memory = engine.memory;
    engine._initialize();
    assert.equal(Object.keys(expected).length, 61);
    for (const [typed, native] of Object.entries(expected)) {
        calls = [];
        engine.ok(Number(typed));
        engine.paint(700, 1);
        assert.deepEqual(calls, native, `n = ${typed}`);
    }
});
