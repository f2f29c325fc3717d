// SPDX-License-Identifier: GPL-3.0-or-later
// In Chromium: "Üben" played by keyboard, each task answered from the code computed here; what it
// hides and brings back; the question bank for Moodle; and the exports on any input.
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { join } from "node:path";
import { after, before, test } from "node:test";
import { openBrowser, openPage, webDir, okWith } from "./browser.mjs";
import { keptWords } from "./grayCode.mjs";

let browser;
let page;
const errors = [];

before(async () => {
    browser = await openBrowser({ width: 1280, height: 800 });
    page = await openPage(browser.context, errors);
});
after(async () => {
    assert.deepEqual(errors, []);
    await browser.close();
});


// The sector (0-based) that a question about the code of n words names, and its answer.
function solve(question, n) {
    const words = keptWords(n);
    const [, word, number] = question.match(/(?:auf|Vom Codewort|das Codewort) ([01]+)|Position (\d+)\?/);
    const sector = word === undefined ? Number(number) - 1 : words.indexOf(word);
    assert.ok(sector >= 0 && question.includes(`mit ${n} Wörtern`), question);
    const [at, next] = [words[sector], words[(sector + 1) % n]];
    const answer = question.startsWith("Welches Codewort folgt") ? next
        // Ring 1 is the outermost, the word's last bit.
        : question.startsWith("Vom Codewort") ? String(at.length - [...at].findIndex((b, i) => b !== next[i]))
        : question.startsWith("Welches Codewort steht") ? at : String(sector + 1);
    return { sector, answer };
}

// The panel, and the mean direction of the disk's red mark (degrees counter-clockwise from
// 3 o'clock), or null without one.
const shown = () => page.evaluate(() => {
    const $ = (id) => document.getElementById(id);
    const { width: side } = $("disk");
    const { data } = $("disk").getContext("2d").getImageData(0, 0, side, side);
    let [x, y] = [0, 0];
    for (let i = 0; i < data.length; i += 4) {
        if (data[i] > 180 && data[i + 1] < 60 && data[i + 2] < 60) {
            x += (i / 4) % side - side / 2;
            y += side / 2 - Math.floor(i / 4 / side);
        }
    }
    const radios = [...document.querySelectorAll("#practiceChoices input")]
        .filter((radio) => radio.checkVisibility());
    return {
        ...Object.fromEntries(["practiceProgress", "practiceQuestion", "practiceConfirm",
            "practiceFeedback", "practiceScore", "practiceExplanation", "status"].map((id) => [id, $(id).textContent])),
        labels: radios.map((radio) => radio.nextElementSibling.textContent),
        words: radios.map((radio) => radio.getAttribute("aria-label")),
        colour: getComputedStyle($("practiceFeedback")).color,
        focused: document.activeElement.id,
        mark: x === 0 && y === 0 ? null : ((Math.atan2(y, x) * 180 / Math.PI) + 360) % 360,
        hidden: ["tableBox", "listing", "answer"].filter((id) => !$(id).checkVisibility()),
    };
});

// Answers the task shown by keyboard, right or wrong, checks it and goes on.
async function answer(right, n, why) {
    const task = await shown();
    const { sector, answer: expected } = solve(task.practiceQuestion, n);
    // Only a sector to read is marked; a mark on another task would show its answer.
    if (task.practiceQuestion.startsWith("Welches Codewort steht")) {
        const off = Math.abs(((task.mark - (sector + 0.5) * 360 / n + 540) % 360) - 180);
        assert.ok(off < 90 / n, `${why}: the mark at ${task.mark}° is on sector ${sector}`);
    } else {
        assert.equal(task.mark, null, why);
    }
    if (task.hidden.includes("answer")) {
        assert.deepEqual(task.labels, task.words.map((word, i) => `${"abcd"[i]})   ${word}`), why);
        const choice = (task.words.indexOf(expected) + (right ? 0 : 1)) % 4;
        await page.keyboard.press(choice % 2 === 0 ? "abcd"[choice] : "ABCD"[choice]);
        assert.equal((await shown()).focused, `choice${choice}`, why);
    } else {
        assert.equal(task.focused, "answer", why);
        // "Ring 2" counts as "2".
        await page.keyboard.type(right ? `Ring ${expected}` : `${Number(expected) % 4 + 1}`);
    }
    await page.keyboard.press("Enter");
    const checked = await shown();
    assert.equal(checked.practiceFeedback,
        right ? "Richtig!" : `Leider falsch – richtig ist ${expected}.`, why);
    assert.equal(checked.practiceExplanation === "", right, why);
    assert.equal(checked.colour, right ? "rgb(0, 110, 0)" : "rgb(200, 0, 0)", why);
    assert.deepEqual([checked.practiceConfirm, checked.focused, checked.practiceProgress],
        ["Weiter", "practiceConfirm", task.practiceProgress], why);
    await page.keyboard.press("Enter");
}

test("a round by keyboard in place of the table and listing, which come back", async () => {
    await okWith(page, 10);
    await page.click("#listing li:nth-child(4)");
    const selected = (await shown()).status;
    await page.keyboard.press("Control+U");
    assert.equal(await page.getAttribute("#practiceButton", "aria-pressed"), "true");
    const start = await shown();
    assert.deepEqual(start.hidden.slice(0, 2), ["tableBox", "listing"]);
    assert.equal(start.status, "");
    for (let i = 0; i < 10; ++i) {
        const task = await shown();
        assert.deepEqual([task.practiceProgress, task.practiceConfirm, task.practiceFeedback],
            [`Aufgabe ${i + 1} von 10`, "Prüfen", ""], "Enter never reached OK");
        await answer(![1, 4, 8].includes(i), 10, `task ${i + 1}`);
    }
    const over = await shown();
    assert.deepEqual([over.practiceProgress, over.practiceScore, over.practiceConfirm, over.mark],
        ["Runde beendet", "7 von 10 richtig", "Neue Runde", null]);
    await page.getByRole("button", { name: "Falsche Aufgaben wiederholen" }).click();
    assert.equal((await shown()).practiceProgress, "Aufgabe 1 von 3");
    for (let i = 0; i < 3; ++i) await answer(true, 10, `missed task ${i + 1}`);
    assert.equal((await shown()).practiceScore, "3 von 3 richtig");
    await page.keyboard.press("Enter");
    assert.equal((await shown()).practiceProgress, "Aufgabe 1 von 10");
    await answer(true, 10, "a new round");
    await page.keyboard.press("Control+U");
    const back = await shown();
    assert.deepEqual([back.hidden, back.status], [["answer"], selected]);
    assert.equal(await page.textContent("#listing li.selected"), "0010");
});

test("OK starts a new round about its count", async () => {
    await okWith(page, 10);
    await page.keyboard.press("Control+U");
    await answer(true, 10, "before OK");
    await okWith(page, 12);
    assert.equal((await shown()).practiceProgress, "Aufgabe 1 von 10");
    await page.focus((await shown()).hidden.includes("answer") ? "#choice0" : "#answer");
    await answer(true, 12, "after OK");
    await page.keyboard.press("Control+U");
});

test("Für Moodle speichern… downloads twenty tasks of the count as Moodle XML", async () => {
    await okWith(page, 16);
    await page.keyboard.press("Control+U");
    const download = page.waitForEvent("download");
    await page.getByRole("button", { name: "Für Moodle speichern…" }).click();
    const file = await download;
    assert.equal(file.suggestedFilename(), "zyklora-gray-code-16.xml");
    const bank = await page.evaluate((xml) => {
        const doc = new DOMParser().parseFromString(xml, "application/xml");
        const texts = (selector) => [...doc.querySelectorAll(selector)].map((e) => e.textContent);
        return {
            errors: doc.getElementsByTagName("parsererror").length,
            questions: doc.getElementsByTagName("question").length,
            category: texts("question[type=category] > category > text"),
            // Every question in HTML, with its disk as a picture and its explanation.
            asked: texts("questiontext > text").map((html) => html.replace(/<[^>]*>/g, "")),
            pictures: texts('questiontext[format=html] > file[encoding=base64]').map(atob)
                .filter((svg) => svg.includes("<svg")).length,
            explained: texts("generalfeedback > text").filter((text) => text !== "").length,
            names: texts("question > name > text"),
            right: [...doc.querySelectorAll("question:not([type=category])")].map((question) =>
                question.querySelector('answer[fraction="100"] > text').textContent),
        };
    }, readFileSync(await file.path(), "utf8"));
    assert.deepEqual([bank.errors, bank.questions, bank.category],
        [0, 21, ["Zyklora/Gray-Code n=16"]]);
    assert.deepEqual([bank.pictures, bank.explained, new Set(bank.names).size], [20, 20, 20]);
    assert.deepEqual(bank.right, bank.asked.map((question) => solve(question, 16).answer));
    assert.equal(bank.right.length, 20);
});

// Without a browser: no number handed to the practice's exports makes the module trap.
test("the practice's exports check what they are given", async () => {
    const seen = [];  // shown and the panel's first line, or the name of a file saved
    const ignore = () => {};
    const text = (at, length) =>
        new TextDecoder().decode(new Uint8Array(engine.memory.buffer, at, length));
    const calls = {
        showPractice: (shown, at, length) => seen.push(`${shown} ${text(at, length).split("\n")[0]}`),
        saveMoodle: (at, length) => seen.push(text(at, length)),
    };
    const { instance } = await WebAssembly.instantiate(readFileSync(join(webDir, "web/zyklora.wasm")), {
        zyklora: new Proxy(calls, { get: (all, name) => all[name] ?? ignore }),
        wasi_snapshot_preview1: { fd_write: () => 52, fd_seek: () => 52, fd_close: () => 52,
            proc_exit: ignore },
    });
    const engine = instance.exports;
    engine._initialize();
    const everything = () => {
        for (const number of [-1, 0, 1, 4, 5, 2 ** 31 - 1, -(2 ** 31)]) {
            for (const name of ["practicePick", "practiceKey", "practiceType", "practiceSeed",
                "practiceConfirm", "practiceRepeatWrong", "practiceKind", "practice", "moodle"]) {
                engine[name](number);
            }
        }
    };
    everything();  // before the first OK: nothing to show or save
    assert.deepEqual(new Set(seen), new Set(["0 "]));
    engine.ok(12);
    new Uint8Array(engine.memory.buffer, engine.answerBuffer(), engine.answerCapacity()).fill(49);
    everything();
    assert.equal(seen.filter((line) => line === "zyklora-gray-code-12.xml").length, 7);
    assert.ok(seen.includes("1 Aufgabe 1 von 10"));
});
