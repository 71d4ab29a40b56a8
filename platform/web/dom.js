// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The page's side of the web layer (an emscripten JavaScript library): the few things that C++
// asks of the page's elements, each found by its id. Texts cross as UTF-16 code units (a pointer
// and a length), the page's own form, so nothing is converted on the way. Nothing here decides
// anything of the form: it makes, changes and reads elements, and passes events on.

mergeInto(LibraryManager.library, {
    $menivorText: function (pointer, length) {
        return String.fromCharCode.apply(null, HEAPU16.subarray(pointer >> 1, (pointer >> 1) + length));
    },

    // An element by id; the empty id is the page's body.
    $menivorElement__deps: ['$menivorText'],
    $menivorElement: function (id, idLength) {
        if (idLength === 0)
            return document.body;
        return document.getElementById(menivorText(id, idLength));
    },

    // Writes text into the buffer (at most capacity code units) and returns its full length:
    // the caller asks again with a larger buffer when the text did not fit.
    $menivorWrite: function (text, buffer, capacity) {
        const shown = Math.min(text.length, capacity);
        for (let i = 0; i < shown; ++i)
            HEAPU16[(buffer >> 1) + i] = text.charCodeAt(i);
        return text.length;
    },

    // The stored pictures, by name: the page's data block of addresses and sizes, read once.
    $menivorPictures: function (name) {
        if (!Module.menivorPictureTable)
            Module.menivorPictureTable = JSON.parse(document.getElementById('menivor-pictures').textContent);
        return Module.menivorPictureTable[name];
    },

    menivor_dom_make__deps: ['$menivorText', '$menivorElement'],
    menivor_dom_make: function (tag, tagLength, id, idLength, parent, parentLength) {
        const element = document.createElement(menivorText(tag, tagLength));
        element.id = menivorText(id, idLength);
        menivorElement(parent, parentLength).appendChild(element);
    },

    menivor_dom_remove__deps: ['$menivorElement'],
    menivor_dom_remove: function (id, idLength) {
        const element = menivorElement(id, idLength);
        if (element)
            element.remove();
    },

    menivor_dom_set_title__deps: ['$menivorText'],
    menivor_dom_set_title: function (text, textLength) {
        document.title = menivorText(text, textLength);
    },

    menivor_dom_set_attribute__deps: ['$menivorText', '$menivorElement'],
    menivor_dom_set_attribute: function (id, idLength, name, nameLength, value, valueLength) {
        menivorElement(id, idLength).setAttribute(menivorText(name, nameLength), menivorText(value, valueLength));
    },

    menivor_dom_set_style__deps: ['$menivorText', '$menivorElement'],
    menivor_dom_set_style: function (id, idLength, name, nameLength, value, valueLength) {
        menivorElement(id, idLength).style.setProperty(menivorText(name, nameLength), menivorText(value, valueLength));
    },

    menivor_dom_set_text__deps: ['$menivorText', '$menivorElement'],
    menivor_dom_set_text: function (id, idLength, text, textLength) {
        menivorElement(id, idLength).textContent = menivorText(text, textLength);
    },

    // A text box's value. A new text is read from its start, as on the desktops: the caret
    // before its first character and its first lines in view (a browser leaves both at the end);
    // both in the next frame, before it is drawn: now they would force a layout.
    menivor_dom_set_value__deps: ['$menivorText', '$menivorElement'],
    menivor_dom_set_value: function (id, idLength, text, textLength) {
        const element = menivorElement(id, idLength);
        element.value = menivorText(text, textLength);
        requestAnimationFrame(function () {
            element.setSelectionRange(0, 0);
            element.scrollTop = 0;
        });
    },

    // What a read reads, as dom.cpp's Reading names it.
    $menivorReading: {Text: 0, Value: 1, Entry: 2},
    menivor_dom_read__deps: ['$menivorElement', '$menivorWrite', '$menivorReading'],
    menivor_dom_read: function (id, idLength, what, index, buffer, capacity) {
        const element = menivorElement(id, idLength);
        const text = what === menivorReading.Text ? element.textContent
                   : what === menivorReading.Value ? element.value
                   : element.children[index].textContent; // menivorReading.Entry
        return menivorWrite(text, buffer, capacity);
    },

    // Runs the C++ handler at address handler on each event of the type; the empty id is the
    // page's window ("resize"), and "density" is a change of the device pixels to a CSS pixel.
    menivor_dom_listen__deps: ['$menivorText', '$menivorElement'],
    menivor_dom_listen: function (id, idLength, type, typeLength, handler) {
        const kind = menivorText(type, typeLength);
        if (kind === 'density') {
            // No event tells of a new density (a window moved to a denser screen, a zoom that
            // keeps the size): a media query of the present one does, when it stops matching.
            // (Safari before 14 has only the older addListener and removeListener.)
            const watch = function () {
                const query = matchMedia('(resolution: ' + window.devicePixelRatio + 'dppx)');
                const modern = typeof query.addEventListener === 'function';
                const changed = function () {
                    modern ? query.removeEventListener('change', changed) : query.removeListener(changed);
                    watch();
                    _menivor_web_event(handler);
                };
                modern ? query.addEventListener('change', changed) : query.addListener(changed);
            };
            watch();
            return;
        }
        const target = idLength === 0 ? window : menivorElement(id, idLength);
        target.addEventListener(kind, function () {
            _menivor_web_event(handler);
        });
    },

    menivor_dom_focus__deps: ['$menivorElement'],
    menivor_dom_focus: function (id, idLength) {
        menivorElement(id, idLength).focus();
    },

    // A modal <dialog>; in an engine without one (Safari before 15.4, Firefox before 98), the
    // same element shown as one: over a layer that keeps the pointer from the page behind it,
    // the focus kept inside, Escape closing it, and the focus given back when it closes.
    $menivorDialog: {
        show: function (dialog) {
            if (typeof dialog.showModal === 'function') {
                if (!dialog.open)
                    dialog.showModal();
                return;
            }
            if (dialog.menivorClose)
                return;
            const backdrop = document.createElement('div');
            backdrop.className = 'modal-backdrop';
            document.body.appendChild(backdrop);
            const returnTo = document.activeElement;
            const first = dialog.querySelector('[autofocus]');
            const keepInside = function (event) {
                if (!dialog.contains(event.target))
                    first.focus();
            };
            const escape = function (event) {
                if (event.key === 'Escape' || event.key === 'Esc') {
                    event.preventDefault();
                    menivorDialog.close(dialog);
                }
            };
            document.addEventListener('focusin', keepInside);
            document.addEventListener('keydown', escape);
            dialog.menivorClose = function () {
                document.removeEventListener('focusin', keepInside);
                document.removeEventListener('keydown', escape);
                backdrop.remove();
                dialog.removeAttribute('open');
                dialog.classList.remove('modal');
                if (returnTo && returnTo.focus)
                    returnTo.focus();
            };
            dialog.setAttribute('open', '');
            dialog.classList.add('modal');
            first.focus();
        },
        close: function (dialog) {
            if (typeof dialog.showModal === 'function') {
                dialog.close();
            } else if (dialog.menivorClose) {
                const close = dialog.menivorClose;
                dialog.menivorClose = null;
                close();
            }
        },
    },

    menivor_dom_show_modal__deps: ['$menivorElement', '$menivorDialog'],
    menivor_dom_show_modal: function (id, idLength) {
        menivorDialog.show(menivorElement(id, idLength));
    },

    menivor_dom_close__deps: ['$menivorElement', '$menivorDialog'],
    menivor_dom_close: function (id, idLength) {
        menivorDialog.close(menivorElement(id, idLength));
    },

    // The viewport in CSS pixels, the device pixels to a CSS pixel, and 1 where the main pointer
    // is coarse (a finger), else 0: four doubles at out.
    menivor_dom_viewport: function (out) {
        // The layout viewport: on a phone, the device's width (the page asks for it), not the
        // wider visual viewport that a phone shows while the page is still being made.
        HEAPF64[out >> 3] = document.documentElement.clientWidth;
        HEAPF64[(out >> 3) + 1] = document.documentElement.clientHeight;
        HEAPF64[(out >> 3) + 2] = window.devicePixelRatio || 1;
        HEAPF64[(out >> 3) + 3] = matchMedia('(pointer: coarse)').matches ? 1 : 0;
    },

    // The local calendar date of the device: three ints at out, year, month 1-12, day 1-31.
    menivor_dom_today: function (out) {
        const now = new Date();
        HEAP32[out >> 2] = now.getFullYear();
        HEAP32[(out >> 2) + 1] = now.getMonth() + 1;
        HEAP32[(out >> 2) + 2] = now.getDate();
    },

    // A stored picture's size in pixels (two ints at out); false when the page has no such picture.
    menivor_dom_picture_size__deps: ['$menivorText', '$menivorPictures'],
    menivor_dom_picture_size: function (name, nameLength, out) {
        const picture = menivorPictures(menivorText(name, nameLength));
        if (!picture)
            return false;
        HEAP32[out >> 2] = picture.width;
        HEAP32[(out >> 2) + 1] = picture.height;
        return true;
    },

    // Shows a stored picture in an <img>: the version drawn at twice the size where dense. One
    // that the page does not carry inside itself is fetched after the first frame, the plain one
    // standing in until it has arrived, so that the first result waits for no request.
    $menivorArrived: {},
    menivor_dom_show_picture__deps: ['$menivorText', '$menivorElement', '$menivorPictures', '$menivorArrived'],
    menivor_dom_show_picture: function (id, idLength, name, nameLength, dense) {
        const picture = menivorPictures(menivorText(name, nameLength));
        const image = menivorElement(id, idLength);
        const wanted = dense ? picture.dense : picture.plain;
        image.menivorWanted = wanted;
        if (wanted.startsWith('data:') || menivorArrived[wanted]) {
            image.src = wanted;
            return;
        }
        image.src = picture.plain;
        const fetch = function () {
            const fetched = new Image();
            fetched.onload = function () {
                menivorArrived[wanted] = true;
                if (image.menivorWanted === wanted)
                    image.src = wanted;
            };
            fetched.src = wanted;
        };
        // Once the plain one is shown (a frame after it has decoded): the request must not share
        // the first round trip's bandwidth.
        image.addEventListener('load', function () {
            requestAnimationFrame(function () { setTimeout(fetch, 0); });
        }, {once: true});
    },
});
