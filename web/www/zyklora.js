// SPDX-License-Identifier: GPL-3.0-or-later
// Zyklora in the browser. The engine (C++ compiled to WebAssembly) decides everything; this
// script carries its canvas calls to the disk's 2D context and its outputs to the page, and hands
// it what the user does.
"use strict";
(() => {
    const $ = (id) => document.getElementById(id);
    const decoder = new TextDecoder();
    const encoder = new TextEncoder();
    let engine = null;
    let context = null;  // where the canvas calls draw
    let face = "#efefef";
    let penAt = { x: 0, y: 0 };
    let fontColor = "#000";
    let table = "";
    let count = 0;
    let lastSvg = "";
    let sheetPage = null;  // the worksheet page the engine drew last: { svg, name }
    // The sheet dialog's fields as the engine read them last: { count, variant, copies, pages, job }
    let sheetChoice = null;
    let pageTitle = null;  // the page's own title while a print job carries the sheets' name
    let turnTimer = 0;
    let stepTimer = 0;  // the construction playing
    let colours = null;  // the engine's colours for what is drawn over the disk
    let practiceState = { typed: 0, checked: 0, finished: 0, picked: -1 };  // the task shown

    const text = (at, length) => decoder.decode(new Uint8Array(engine.memory.buffer, at, length));
    // TColor is 0x00BBGGRR, or a system colour (top byte 0xFF): the button face.
    const css = (color) => (color >>> 24 === 0xff ? face
        : `rgb(${color & 255} ${(color >> 8) & 255} ${(color >> 16) & 255})`);
    // The engine's canvas: outlines one pixel wide along the shape's outer pixels, as GDI draws.
    // Wedges of one box (one ring of the disk) do not overlap, so they are collected and filled
    // per colour, then outlined, at once; drawn one by one they would take Chromium's software
    // canvas several times as long. Any other call draws the collected wedges first.
    let pen = "#000";
    let brush = face;
    let wedges = null;  // { box, fills: Map(colour -> Path2D), outline, pen }
    const drawWedges = () => {
        if (wedges === null) return;
        for (const [colour, path] of wedges.fills) {
            context.fillStyle = colour;
            context.fill(path);
        }
        context.strokeStyle = wedges.pen;
        context.lineWidth = 1;
        context.stroke(wedges.outline);
        wedges = null;
    };
    const shape = (path) => {
        drawWedges();
        context.fillStyle = brush;
        context.fill(path);
        context.strokeStyle = pen;
        context.lineWidth = 1;
        context.stroke(path);
    };
    const canvasCalls = {
        setPenColor: (color) => { pen = css(color); },
        setBrushColor: (color) => { brush = css(color); },
        setFont: (name, length, size, color, bold) => {
            context.font = `${bold ? "bold " : ""}${size}pt ${text(name, length)}`;
            fontColor = css(color);
        },
        rectangle: (x1, y1, x2, y2) => {
            const path = new Path2D();
            path.rect(x1 + 0.5, y1 + 0.5, x2 - x1 - 1, y2 - y1 - 1);
            shape(path);
        },
        ellipse: (x1, y1, x2, y2) => {
            const path = new Path2D();
            path.ellipse((x1 + x2) / 2, (y1 + y2) / 2, (x2 - x1 - 1) / 2, (y2 - y1 - 1) / 2,
                0, 0, 2 * Math.PI);
            shape(path);
        },
        // The engine's wedge of the box's ellipse, counter-clockwise on screen from start to end.
        pie: (x1, y1, x2, y2, start, end) => {
            const box = `${x1} ${y1} ${x2} ${y2}`;
            if (wedges !== null && (wedges.box !== box || wedges.pen !== pen)) drawWedges();
            if (wedges === null) wedges = { box, fills: new Map(), outline: new Path2D(), pen };
            if (!wedges.fills.has(brush)) wedges.fills.set(brush, new Path2D());
            const cx = (x1 + x2) / 2;
            const cy = (y1 + y2) / 2;
            const wedge = new Path2D();
            wedge.moveTo(cx, cy);
            wedge.ellipse(cx, cy, (x2 - x1 - 1) / 2, (y2 - y1 - 1) / 2, 0, -start, -end, true);
            wedge.closePath();
            wedges.fills.get(brush).addPath(wedge);
            wedges.outline.addPath(wedge);
        },
        moveTo: (x, y) => { penAt = { x, y }; },
        lineTo: (x, y) => {
            const path = new Path2D();
            path.moveTo(penAt.x + 0.5, penAt.y + 0.5);
            path.lineTo(x + 0.5, y + 0.5);
            drawWedges();
            context.strokeStyle = pen;
            context.lineWidth = 1;
            context.stroke(path);
            penAt = { x, y };
        },
        // On a cell of the brush colour.
        textOut: (x, y, at, length) => {
            drawWedges();
            const shown = text(at, length);
            context.textBaseline = "top";
            const metrics = context.measureText(shown);
            context.fillStyle = brush;
            context.fillRect(x, y, metrics.width,
                metrics.fontBoundingBoxAscent + metrics.fontBoundingBoxDescent);
            context.fillStyle = fontColor;
            context.fillText(shown, x, y);
        },
    };

    const listing = $("listing");
    const tableBody = $("table").tBodies[0];
    const disk = $("disk");
    const stepDisk = $("stepDisk");
    const stepBody = $("stepTable").tBodies[0];

    // Markup from the engine's texts; built as one string, which is quicker than node by node.
    const escaped = (plain) => plain.replace(/[&<>"]/g, (c) => `&#${c.charCodeAt(0)};`);
    const cells = (line, tag) => `<tr><${tag}>${line.split("\t").map(escaped)
        .join(`</${tag}><${tag}>`)}</${tag}></tr>`;
    let words = [];

    const pageCalls = {
        showListing: (at, length) => {
            words = text(at, length).split("\n").slice(0, -1);
            listing.innerHTML = words.map((word, i) =>
                `<li id="word-${i}" role="option" aria-selected="false">${escaped(word)}</li>`)
                .join("");
            count = words.length;
        },
        showTable: (at, length) => {
            table = text(at, length);
            const [headings, ...rows] = table.split("\n").slice(0, -1);
            $("table").tHead.innerHTML = cells(headings, "th");
            tableBody.innerHTML = rows.map((row) => cells(row, "td")).join("");
        },
        showCycle: (cyclic, at, length) => {
            $("cycle").textContent = text(at, length);
            $("cycle").classList.toggle("broken", cyclic === 0);
        },
        showSelection: (word, statusAt, statusLength, diskAt, diskLength) => {
            $("status").textContent = text(statusAt, statusLength);
            disk.setAttribute("aria-description", text(diskAt, diskLength));
            for (const marked of document.querySelectorAll(".selected")) {
                marked.classList.remove("selected");
                marked.setAttribute("aria-selected", "false");
            }
            if (word < 0) {
                listing.removeAttribute("aria-activedescendant");
                return;
            }
            const item = $(`word-${word}`);
            item.classList.add("selected");
            item.setAttribute("aria-selected", "true");
            item.scrollIntoView({ block: "nearest" });
            listing.setAttribute("aria-activedescendant", item.id);
            const row = tableBody.rows[engine.rowOfWord(word)];
            row.classList.add("selected");
            row.setAttribute("aria-selected", "true");
            row.scrollIntoView({ block: "nearest" });
        },
        useColours: (mark, head, misread, tint, alpha, stepMarked, prefixBit) => {
            colours = { mark: css(mark), head: css(head), misread: css(misread),
                tint: `rgb(${tint & 255} ${(tint >> 8) & 255} ${(tint >> 16) & 255} / ${alpha / 255})` };
            const style = document.documentElement.style;
            style.setProperty("--misread", colours.misread);
            style.setProperty("--step-marked", css(stepMarked));
            style.setProperty("--prefix-bit", css(prefixBit));
        },
        markSector: (centre, outer, inner, start, end, width) => {
            drawWedges();
            context.strokeStyle = colours.mark;
            context.lineWidth = width;
            context.beginPath();
            context.arc(centre, centre, outer, -start, -end, true);
            context.arc(centre, centre, inner, -end, -start, false);
            context.closePath();
            context.stroke();
        },
        markChange: (fromX, fromY, toX, toY, width) => {
            context.save();
            context.strokeStyle = colours.mark;
            context.lineWidth = width;
            context.lineCap = "round";
            context.beginPath();
            context.moveTo(fromX, fromY);
            context.lineTo(toX, toY);
            context.stroke();
            context.restore();
        },
        showSvg: (at, length) => { lastSvg = text(at, length); },
        showDisk: (previewAt, previewLength, checksAt, checksLength, saveable) => {
            $("diskPreview").innerHTML = text(previewAt, previewLength);
            const kinds = { H: "heading", E: "error", W: "warning", O: "passed" };
            $("diskChecks").innerHTML = text(checksAt, checksLength).split("\n").slice(0, -1)
                .map((line) => {
                    const [kind, shown] = line.split("\t");
                    return `<li class="${kinds[kind]}">${escaped(shown)}</li>`;
                }).join("");
            for (const button of $("buildDiskBox").querySelectorAll("button[data-kind]")) {
                button.disabled = (saveable & (1 << Number(button.dataset.kind))) === 0;
            }
        },
        saveFile: (nameAt, nameLength, at, length) => {
            const bytes = new Uint8Array(engine.memory.buffer, at, length).slice();
            download(new Blob([bytes], { type: "application/octet-stream" }),
                text(nameAt, nameLength));
        },
        showSheet: (at, length, nameAt, nameLength) => {
            sheetPage = { svg: text(at, length), name: text(nameAt, nameLength) };
        },
        showSheetChoice: (count, variant, copies, pages, previewAt, previewLength, jobAt,
            jobLength) => {
            sheetChoice = { count, variant, copies, pages, job: text(jobAt, jobLength) };
            $("sheetPreview").src = `data:image/svg+xml;charset=utf-8,${
                encodeURIComponent(text(previewAt, previewLength))}`;
            // An SVG drawing holds one page.
            $("sheetSave").disabled = pages !== 1;
        },
        showRings: (at, length, chosen, maxOffset, offset) => {
            $("ring").innerHTML = text(at, length).split("\n").slice(0, -1)
                .map((name) => `<option>${escaped(name)}</option>`).join("");
            $("ring").selectedIndex = chosen;
            $("offset").max = maxOffset;
            $("offset").value = offset;
        },
        showHead: (shown, at, length, misread, turning) => {
            const [angle, word, sectorWord, verdict, offset, countLine, turnText, decoding,
                log] = text(at, length).split("\n");
            $("headPanel").hidden = shown === 0;
            $("headButton").setAttribute("aria-pressed", String(shown !== 0));
            document.body.classList.toggle("headShown", shown !== 0);
            // Written only when changed, so that the live regions speak a new verdict, not
            // every step of a turn.
            for (const [id, shownText] of [["headAngle", angle], ["readWord", word],
                ["sectorWord", sectorWord], ["verdict", verdict], ["readDecoding", decoding],
                ["offsetValue", offset], ["countLine", countLine], ["turnButton", turnText],
                ["readingLog", log]]) {
                if ($(id).textContent !== shownText) $(id).textContent = shownText;
            }
            $("offset").setAttribute("aria-valuetext", offset);
            for (const id of ["readWord", "verdict"]) $(id).classList.toggle("misread", misread !== 0);
            if (turning === 0) clearInterval(turnTimer);
        },
        // The construction panel; rows are "number, prefix bit, rest of the word, marked".
        showConstruction: (shown, at, length, rowsAt, rowsLength, playing) => {
            const [counter, playText, stepText, announcement] = text(at, length).split("\n");
            $("constructionPanel").hidden = shown === 0;
            $("constructionButton").setAttribute("aria-pressed", String(shown !== 0));
            document.body.classList.toggle("constructionShown", shown !== 0);
            $("stepCounter").textContent = counter;
            $("playButton").textContent = playText;
            $("stepText").textContent = stepText;
            $("stepAnnouncement").textContent = announcement;
            stepBody.innerHTML = text(rowsAt, rowsLength).split("\n").slice(0, -1).map((row) => {
                const [number, prefix, rest, marked] = row.split("\t").map(escaped);
                return `<tr${marked === "1" ? ' class="stepMarked"' : ""}><td>${number}</td><td>${
                    prefix && `<span class="prefixBit">${prefix}</span>`}${rest}</td></tr>`;
            }).join("");
            if (playing === 0) clearInterval(stepTimer);
            // The marked block in view, its start first, else the list from its top. Only the
            // list's box scrolls, not the panel with the buttons; and only while shown, as
            // scrolling waits for the page's layout, which would slow every OK down.
            if (shown === 0) return;
            const box = $("stepTableBox");
            const marked = stepBody.querySelectorAll(".stepMarked");
            if (marked.length === 0) {
                box.scrollTop = 0;
                return;
            }
            const top = box.getBoundingClientRect().top + box.clientTop - box.scrollTop;
            const start = marked[0].getBoundingClientRect().top - top;
            const end = marked[marked.length - 1].getBoundingClientRect().bottom - top;
            box.scrollTop = Math.min(start, Math.max(0, end - box.clientHeight));
        },
        // The practice panel; choices are "label, word", kinds "chosen, name", the last of
        // lines what is typed.
        showPractice: (shown, at, length, choicesAt, choicesLength, picked, typed, checked,
            verdict, finished, repeat, kindsAt, kindsLength) => {
            const [progress, question, button, feedback, score, explanation, ...typedText] =
                text(at, length).split("\n");
            $("practicePanel").hidden = shown === 0;
            $("practiceButton").setAttribute("aria-pressed", String(shown !== 0));
            document.body.classList.toggle("practiceShown", shown !== 0);
            $("practiceProgress").textContent = progress ?? "";
            $("practiceQuestion").textContent = question ?? "";
            const choices = text(choicesAt, choicesLength).split("\n").slice(0, -1);
            $("practiceChoices").hidden = choices.length === 0;
            for (let i = 0; i < 4; ++i) {
                const [label, word] = (choices[i] ?? "\t").split("\t");
                const radio = $(`choice${i}`);
                radio.closest("label").hidden = i >= choices.length;
                radio.nextElementSibling.textContent = label;
                radio.setAttribute("aria-label", word);
                radio.checked = i === picked;
                radio.disabled = checked !== 0;
            }
            $("answerRow").hidden = typed === 0;
            const answer = $("answer");
            answer.disabled = checked !== 0;
            if (answer.value !== typedText.join("\n")) answer.value = typedText.join("\n");
            $("practiceConfirm").textContent = button ?? "";
            $("practiceFeedback").textContent = feedback ?? "";
            $("practiceFeedback").classList.toggle("right", verdict === 1);
            $("practiceFeedback").classList.toggle("wrong", verdict === 2);
            $("practiceScore").textContent = score ?? "";
            $("practiceExplanation").textContent = explanation ?? "";
            $("repeatWrong").hidden = repeat === 0;
            text(kindsAt, kindsLength).split("\n").slice(0, -1).forEach((line, i) => {
                const [chosen, name] = line.split("\t");
                $(`kind${i}`).checked = chosen === "1";
                $(`kind${i}`).nextElementSibling.textContent = name;
            });
            practiceState = { typed, checked, finished, picked };
        },
        // The question bank, as a download.
        saveMoodle: (nameAt, nameLength, at, length) => {
            const bytes = new Uint8Array(engine.memory.buffer, at, length).slice();
            download(new Blob([bytes], { type: "application/xml" }), text(nameAt, nameLength));
        },
        // A stretch of the turn that misreads, tinted across all rings.
        tintStretch: (centre, outer, inner, start, end) => {
            drawWedges();
            context.fillStyle = colours.tint;
            context.beginPath();
            context.arc(centre, centre, outer, -start, -end, true);
            context.arc(centre, centre, inner, -end, -start, false);
            context.closePath();
            context.fill();
        },
        drawHead: (fromX, fromY, toX, toY, halo, width, colour) => {
            drawWedges();
            context.save();
            context.lineCap = "round";
            for (const [stroke, lineWidth] of [["#fff", halo], [css(colour), width]]) {
                context.strokeStyle = stroke;
                context.lineWidth = lineWidth;
                context.beginPath();
                context.moveTo(fromX, fromY);
                context.lineTo(toX, toY);
                context.stroke();
            }
            context.restore();
        },
        drawSensor: (x, y, radius, one, rim) => {
            context.beginPath();
            context.arc(x, y, radius, 0, 2 * Math.PI);
            context.fillStyle = one ? "#000" : "#fff";
            context.fill();
            context.strokeStyle = css(rim);
            context.lineWidth = radius / 3;
            context.stroke();
        },
    };

    // Minimal system calls: the module writes nothing in normal use and never exits.
    const wasiCalls = {
        fd_write: () => 52,
        fd_seek: () => 52,
        fd_close: () => 52,
        proc_exit: (code) => { throw new Error(`Modul beendet (${code})`); },
    };

    const fail = (error) => {
        console.error(error);
        $("failure").hidden = false;
        $("reload").focus();
    };
    // Every call into the engine: a trap shows the error message instead of a dead page.
    const guarded = (action) => (...args) => {
        if (!$("failure").hidden) return undefined;
        try {
            return action(...args);
        } catch (error) {
            fail(error);
            return undefined;
        }
    };

    // The disk's side in CSS pixels, from the resize observer: reading the layout here would
    // make every OK wait for the new table's layout.
    let side = 0;
    const paint = guarded(() => {
        if (count === 0 || side === 0) return;
        const pixels = Math.round(side * devicePixelRatio);
        disk.style.width = disk.style.height = `${side}px`;
        if (disk.width !== pixels) disk.width = disk.height = pixels;
        context = disk.getContext("2d");
        engine.paint(pixels, 1);
        drawWedges();
        if (performance.getEntriesByName("zyklora-first-disk").length === 0) {
            performance.mark("zyklora-first-disk");  // read by make bench-web
        }
    });

    // The construction's disk of the step shown, at its size in the panel (from its resize
    // observer, as side), while that is shown.
    let stepSide = 0;
    const paintStep = guarded(() => {
        if ($("constructionPanel").hidden || stepSide === 0) return;
        const pixels = Math.round(stepSide * devicePixelRatio);
        if (stepDisk.width !== pixels) stepDisk.width = stepDisk.height = pixels;
        const shown = context;
        context = stepDisk.getContext("2d");
        engine.paintStep(pixels);
        drawWedges();
        context = shown;
    });

    // The page that "Drucken" prints, the engine's, made after OK has shown its table; its print
    // job's name.
    let diskJob = null;
    const refreshWorksheet = () => {
        if (!engine.diskPage()) return;
        $("worksheet").innerHTML = `<div class="sheetPage">${sheetPage.svg}</div>`;
        diskJob = sheetPage.name;
    };

    // A new seed for each round and question bank, so that a class does not see the same tasks
    // twice.
    const freshSeed = () => crypto.getRandomValues(new Uint32Array(1))[0];

    const ok = guarded(() => {
        engine.practiceSeed(freshSeed());
        // The field's text, read by the engine; text too long for its buffer is no count.
        const typed = $("count").value;
        const buffer = new Uint8Array(engine.memory.buffer, engine.countBuffer(),
            engine.countCapacity());
        const { read, written } = encoder.encodeInto(typed, buffer);
        $("count").value = engine.okTyped(read < typed.length ? buffer.length + 1 : written);
        paint();
        paintStep();
        for (const id of ["saveButton", "printButton", "copyButton", "headButton",
            "constructionButton", "practiceButton"]) {
            $(id).disabled = false;
        }
        setTimeout(guarded(refreshWorksheet));
    });

    const select = guarded((word) => {
        if (engine.select(word)) paint();
    });
    const step = guarded((by) => {
        engine.step(by);
        paint();
    });
    const diskStep = guarded((by) => {
        engine.diskStep(by);
        paint();
    });
    const diskSector = guarded((by) => {
        engine.diskSector(by);
        paint();
    });
    const selectEnd = guarded((last) => {
        engine.selectEnd(last);
        paint();
    });
    const pointer = guarded((event, dragged) => {
        const scale = disk.width / disk.clientWidth;
        if (engine.diskPointer(disk.width, event.offsetX * scale, event.offsetY * scale, dragged)) {
            paint();
        }
    });
    const toggleHead = guarded(() => {
        engine.readHead($("headButton").getAttribute("aria-pressed") === "true" ? 0 : 1);
        paint();
        disk.focus();  // Left and Right turn the head at once
    });
    const toggleConstruction = guarded(() => {
        const panel = $("constructionPanel");
        const hadFocus = panel.contains(document.activeElement);
        engine.construction(panel.hidden ? 1 : 0);
        paint();  // the read head closed
        paintStep();
        if (!panel.hidden) {
            panel.focus();  // its keys work at once
        } else if (hadFocus) {
            disk.focus();
        }
    });
    // The control that the task shown wants: the button once checked or over, else the field
    // or the choice picked (the first when none is).
    const focusPractice = () => {
        const { typed, checked, finished, picked } = practiceState;
        const target = checked !== 0 || finished !== 0 ? "practiceConfirm"
            : typed !== 0 ? "answer" : `choice${Math.max(picked, 0)}`;
        $(target).focus();
    };
    const togglePractice = guarded(() => {
        const panel = $("practicePanel");
        const hadFocus = panel.contains(document.activeElement);
        engine.practice(panel.hidden ? 1 : 0);
        paint();  // the task's sector marked, or the selection back
        if (!panel.hidden) {
            focusPractice();
        } else if (hadFocus) {
            disk.focus();
        }
    });
    const practiceConfirm = guarded(() => {
        engine.practiceConfirm();
        paint();
        focusPractice();
    });
    const practicePick = guarded((choice) => engine.practicePick(choice));
    // The letters of the choices pick one; where the task has none, they are typed.
    const practiceKey = guarded((key) => {
        const buffer = new Uint8Array(engine.memory.buffer, engine.countBuffer(),
            engine.countCapacity());
        if (engine.practiceKey(encoder.encodeInto(key, buffer).written) === 0) return false;
        focusPractice();
        return true;
    });
    const practiceRepeatWrong = guarded(() => {
        engine.practiceRepeatWrong();
        paint();
        focusPractice();
    });
    const practiceKind = guarded((kind) => {
        engine.practiceKind(kind, $(`kind${kind}`).checked ? 1 : 0);
        paint();
    });
    const practiceType = guarded(() => {
        const buffer = new Uint8Array(engine.memory.buffer, engine.answerBuffer(),
            engine.answerCapacity());
        engine.practiceType(encoder.encodeInto($("answer").value, buffer).written);
    });
    const saveMoodle = guarded(() => engine.moodle(freshSeed()));
    const stepTick = guarded(() => {
        engine.constructionTick();
        paintStep();
    });
    // A button or key of the construction: 0 Zurück, 1 Weiter, 2 Pos1, 3 Ende, 4 Abspielen.
    const constructionKey = guarded((key) => {
        clearInterval(stepTimer);
        const every = engine.constructionKey(key);
        if (every > 0) stepTimer = setInterval(stepTick, every);
        paintStep();
    });
    const setOffset = guarded(() => {
        engine.setOffset($("ring").selectedIndex, $("offset").valueAsNumber);
        paint();
    });
    const setBinary = guarded(() => {
        engine.setBinary($("binary").checked ? 1 : 0);
        paint();
    });
    const frame = guarded(() => {
        engine.turnFrame();
        paint();
    });
    const turn = guarded(() => {
        clearInterval(turnTimer);
        const every = engine.turn();
        if (every > 0) turnTimer = setInterval(frame, every);
    });

    const download = (blob, name) => {
        const link = document.createElement("a");
        link.href = URL.createObjectURL(blob);
        link.download = name;
        link.click();
        setTimeout(() => URL.revokeObjectURL(link.href), 1000);
    };

    const save = guarded((kind) => {
        const name = `codescheibe-${count}.${kind}`;
        if (kind === "svg") {
            engine.diskSvg();
            download(new Blob([lastSvg], { type: "image/svg+xml" }), name);
            return;
        }
        const image = document.createElement("canvas");
        image.width = image.height = engine.designedDiskSize();
        const shown = context;
        context = image.getContext("2d");
        engine.paint(image.width, 0);
        drawWedges();
        context = shown;
        image.toBlob((blob) => download(blob, name), "image/png");
    });

    const copyTable = () => navigator.clipboard.writeText(table);

    // The dialog's fields as the engine reads them, for the preview; with written, for printing
    // or saving, the numbers read also go back into the fields.
    const chooseSheets = guarded((written) => {
        const field = (id) => Number($(id).value);
        engine.sheetChoose(field("sheetKind"), field("sheetCount"), field("sheetVariant"),
            $("sheetSolution").checked ? 1 : 0, $("sheetClassSet").checked ? 1 : 0,
            field("sheetCopies"));
        $("sheetCopies").disabled = !$("sheetClassSet").checked;
        if (written) {
            $("sheetCount").value = sheetChoice.count;
            $("sheetVariant").value = sheetChoice.variant;
            $("sheetCopies").value = sheetChoice.copies;
        }
        return sheetChoice;
    });
    // Every page of the sheets chosen, the print job named as their PDF would be.
    const printSheets = () => {
        const choice = chooseSheets(true);
        if (!choice) return;
        const pages = [];
        for (let i = 0; i < choice.pages; ++i) {
            engine.sheetPage(i);
            pages.push(`<div class="sheetPage">${sheetPage.svg}</div>`);
        }
        $("sheetPages").innerHTML = pages.join("");
        document.body.classList.add("printingSheets");
        pageTitle ??= document.title;
        document.title = choice.job;
        window.print();
    };
    const afterPrint = () => {
        document.body.classList.remove("printingSheets");
        if (pageTitle !== null) document.title = pageTitle;
        pageTitle = null;
    };
    const saveSheetSvg = () => {
        if (!chooseSheets(true) || engine.sheetPage(0) === 0) return;
        download(new Blob([sheetPage.svg], { type: "image/svg+xml" }), sheetPage.name);
    };
    // One download each: the sheets chosen, or their solutions alone.
    const saveSheetPdf = guarded((solutionsOnly) => {
        if (chooseSheets(true)) engine.sheetPdf(solutionsOnly);
    });
    const newVariant = guarded(() => {
        $("sheetVariant").value = engine.newVariant(Number($("sheetVariant").value),
            crypto.getRandomValues(new Uint32Array(1))[0]);
        chooseSheets(false);
    });
    // "Scheibe bauen": the fields go to the engine as numbers, in its order, the sensor angles
    // as their text.
    const diskFields = ["diskCount", "diskDiameter", "diskShaft", "diskTrack", "diskGap",
        "diskRim", "diskThickness", "diskKerf", "diskHoles", "diskHoleDiameter", "diskStyle",
        "diskSlitBit", "diskCode"];
    const diskInput = () => {
        const input = new Float64Array(engine.memory.buffer, engine.diskInput(), 15);
        diskFields.forEach((id, i) => { input[i] = Number($(id).value); });
        input[13] = $("diskMirror").checked ? 1 : 0;
        const angles = new Uint8Array(engine.memory.buffer, engine.diskAngles(),
            engine.diskAnglesCapacity());
        input[14] = encoder.encodeInto($("diskAngles").value, angles).written;
    };
    const showDisk = guarded(() => {
        diskInput();
        engine.diskShow();
    });
    const saveDiskFile = guarded((kind) => {
        diskInput();
        engine.diskFile(kind);
    });
    const openDiskBox = () => {
        if (count > 0) $("diskCount").value = count;
        showDisk();
        $("buildDiskBox").showModal();
    };

    const openSheetBox = () => {
        $("sheetCount").value = count;
        chooseSheets(false);
        $("sheetBox").showModal();
    };

    const wire = () => {
        $("countForm").addEventListener("submit", (event) => {
            event.preventDefault();
            ok();
        });
        $("count").addEventListener("focus", () => $("count").select());
        listing.addEventListener("click", (event) => {
            const item = event.target.closest("li");
            if (item) select([...listing.children].indexOf(item));
        });
        $("table").addEventListener("click", (event) => {
            const row = event.target.closest("tbody tr");
            if (row) select(engine.wordOfRow(row.sectionRowIndex));
        });
        disk.addEventListener("pointerdown", (event) => {
            if (event.button !== 0) return;
            disk.setPointerCapture(event.pointerId);
            pointer(event, 0);
        });
        disk.addEventListener("pointermove", (event) => {
            if (event.buttons & 1) pointer(event, 1);
        });
        // Each key's engine call: a step along the listing or the table, its first or last
        // word; on the disk a fine step or, with Shift or as Page Up and Down, a whole sector.
        const listKeys = { ArrowUp: [step, -1], ArrowDown: [step, 1], Home: [selectEnd, 0],
            End: [selectEnd, 1] };
        const diskKeys = { ArrowLeft: [diskStep, -1], ArrowRight: [diskStep, 1],
            PageUp: [diskSector, -1], PageDown: [diskSector, 1] };
        const shiftedDiskKeys = { ArrowLeft: [diskSector, -1], ArrowRight: [diskSector, 1] };
        for (const [element, table] of [[listing, listKeys], [$("tableBox"), listKeys],
            [disk, diskKeys]]) {
            element.addEventListener("keydown", (event) => {
                if (event.ctrlKey || event.altKey || event.metaKey || count === 0) return;
                const keys = element === disk && event.shiftKey ? shiftedDiskKeys : table;
                if (!Object.hasOwn(keys, event.key)) return;
                event.preventDefault();
                const [call, by] = keys[event.key];
                call(by);
            });
        }
        $("headButton").addEventListener("click", toggleHead);
        $("constructionButton").addEventListener("click", toggleConstruction);
        for (const [id, key] of [["stepBack", 0], ["stepForward", 1], ["playButton", 4]]) {
            $(id).addEventListener("click", () => constructionKey(key));
        }
        // Anywhere in the panel; taken before a focused button would act on Space itself.
        const stepKeys = { ArrowLeft: 0, ArrowRight: 1, Home: 2, End: 3, " ": 4 };
        $("constructionPanel").addEventListener("keydown", (event) => {
            const modified = event.ctrlKey || event.altKey || event.metaKey;
            if (!Object.hasOwn(stepKeys, event.key) || modified) return;
            event.preventDefault();
            constructionKey(stepKeys[event.key]);
        });
        $("practiceButton").addEventListener("click", togglePractice);
        $("practiceConfirm").addEventListener("click", practiceConfirm);
        for (let i = 0; i < 4; ++i) {
            $(`choice${i}`).addEventListener("change", () => practicePick(i));
        }
        $("answer").addEventListener("input", practiceType);
        $("moodleButton").addEventListener("click", saveMoodle);
        $("repeatWrong").addEventListener("click", practiceRepeatWrong);
        for (let i = 0; i < 4; ++i) {
            $(`kind${i}`).addEventListener("change", () => practiceKind(i));
        }
        // Anywhere in the panel: Enter checks and goes on (other buttons keep their own Enter),
        // the letters of the choices pick.
        $("practicePanel").addEventListener("keydown", (event) => {
            if (event.ctrlKey || event.altKey || event.metaKey) return;
            if (event.key === "Enter" && !event.target.matches("button:not(#practiceConfirm)")) {
                event.preventDefault();
                practiceConfirm();
            } else if (/^[a-dA-D]$/.test(event.key) && practiceKey(event.key)) {
                event.preventDefault();
            }
        });
        $("turnButton").addEventListener("click", turn);
        $("ring").addEventListener("change", setOffset);
        $("offset").addEventListener("input", setOffset);
        $("binary").addEventListener("change", setBinary);
        $("aboutButton").addEventListener("click", () => $("aboutBox").showModal());
        $("helpButton").addEventListener("click", () => $("helpBox").showModal());
        $("saveButton").addEventListener("click", () => $("saveBox").showModal());
        $("saveBox").addEventListener("close", () => {
            if ($("saveBox").returnValue) save($("saveBox").returnValue);
        });
        $("printButton").addEventListener("click", () => {
            afterPrint();
            pageTitle = document.title;
            document.title = diskJob;
            window.print();
        });
        $("sheetButton").addEventListener("click", openSheetBox);
        $("buildDiskButton").addEventListener("click", openDiskBox);
        $("buildDiskBox").addEventListener("input", showDisk);
        for (const button of $("buildDiskBox").querySelectorAll("button[data-kind]")) {
            button.addEventListener("click", () => saveDiskFile(Number(button.dataset.kind)));
        }
        $("newVariant").addEventListener("click", newVariant);
        $("sheetBox").addEventListener("input", () => chooseSheets(false));
        $("sheetPrint").addEventListener("click", printSheets);
        $("sheetPdf").addEventListener("click", () => saveSheetPdf(0));
        $("sheetSolutionPdf").addEventListener("click", () => saveSheetPdf(1));
        $("sheetSave").addEventListener("click", saveSheetSvg);
        addEventListener("afterprint", afterPrint);
        $("copyButton").addEventListener("click", copyTable);
        $("reload").addEventListener("click", () => location.reload());
        document.addEventListener("keydown", (event) => {
            // Behind an open dialog the page takes no shortcut.
            if (document.querySelector("dialog[open]") !== null) return;
            // The engine knows the keys; this is the page's button of each action, in the
            // toolbar's order (the page has no exit).
            const buttons = ["aboutButton", "helpButton", null, "saveButton", "printButton",
                "copyButton", "headButton", "constructionButton", "practiceButton",
                "sheetButton", "buildDiskButton"];
            const buffer = new Uint8Array(engine.memory.buffer, engine.countBuffer(),
                engine.countCapacity());
            const { written } = encoder.encodeInto(event.key, buffer);
            const action = buttons[engine.actionOfKey(written, event.ctrlKey || event.metaKey,
                event.shiftKey)] ?? null;
            if (action === null || $(action).disabled) return;
            event.preventDefault();
            $(action).click();
        });
        new ResizeObserver(([entry]) => {
            const box = entry.contentRect;
            side = Math.max(16, Math.floor(Math.min(box.width, box.height)));
            paint();
        }).observe(disk.parentElement);
        new ResizeObserver(([entry]) => {
            stepSide = entry.contentRect.width;
            paintStep();
        }).observe(stepDisk);
        matchMedia(`(resolution: ${devicePixelRatio}dppx)`).addEventListener("change", () => {
            paint();
            paintStep();
        });
    };

    // The module, gzipped in the page (see bundle.mjs).
    const moduleBytes = () => {
        const packed = Uint8Array.from(atob($("engine").textContent), (c) => c.charCodeAt(0));
        const stream = new Blob([packed]).stream().pipeThrough(new DecompressionStream("gzip"));
        return new Response(stream).arrayBuffer();
    };

    const start = async () => {
        const style = getComputedStyle(document.documentElement);
        face = style.getPropertyValue("--face").trim() || face;
        const bytes = await moduleBytes();
        const instance = new WebAssembly.Instance(new WebAssembly.Module(bytes),
            { zyklora: { ...canvasCalls, ...pageCalls }, wasi_snapshot_preview1: wasiCalls });
        engine = instance.exports;
        engine._initialize();
        engine.colours();
        wire();
        ok();
        performance.mark("zyklora-ready");  // awaited by the tests
    };
    start().catch(fail);
})();
