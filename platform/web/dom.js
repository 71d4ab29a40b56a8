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

    // What: 0 the element's text, 1 its value (a text box's), 2 the text of list entry index.
    menivor_dom_set_text__deps: ['$menivorText', '$menivorElement'],
    menivor_dom_set_text: function (id, idLength, what, text, textLength) {
        const element = menivorElement(id, idLength);
        const value = menivorText(text, textLength);
        if (what === 1) {
            // A new text is read from its start, as on the desktops: the caret before its first
            // character and its first lines in view (a browser leaves both at the end).
            // Both in the next frame, before it is drawn: now they would force a layout.
            element.value = value;
            requestAnimationFrame(function () {
                element.setSelectionRange(0, 0);
                element.scrollTop = 0;
            });
        } else
            element.textContent = value;
    },

    menivor_dom_read__deps: ['$menivorElement', '$menivorWrite'],
    menivor_dom_read: function (id, idLength, what, index, buffer, capacity) {
        const element = menivorElement(id, idLength);
        const text = what === 0 ? element.textContent : what === 1 ? element.value : element.children[index].textContent;
        return menivorWrite(text, buffer, capacity);
    },

    // A list box of the page's own: a focusable role=listbox whose children are its entries
    // (role=option), one of them picked or none. Every engine draws it alike: the rows' height,
    // the picked entry's colours and what is in view are the page's, not a browser's theme.
    // Code's changes fire no event (the C++ side runs the click handling itself); each pick of a
    // user (a click or tap on an entry, an arrow, Home, End, Page Up or Down, typing the start of
    // an entry) fires one "change", and none when the picked entry is picked again.
    $menivorList__deps: ['$menivorElement'],
    $menivorList: {
        // The picked entry's index, -1 for none.
        picked: function (list) {
            const entry = list.querySelector('[aria-selected="true"]');
            return entry ? Array.prototype.indexOf.call(list.children, entry) : -1;
        },
        // Picks entry index (-1: none) and scrolls it into view; a user's pick fires "change".
        pick: function (list, index, byUser) {
            const old = menivorList.picked(list);
            if (old === index)
                return;
            if (old >= 0)
                list.children[old].setAttribute('aria-selected', 'false');
            if (index < 0) {
                list.removeAttribute('aria-activedescendant');
            } else {
                list.children[index].setAttribute('aria-selected', 'true');
                list.setAttribute('aria-activedescendant', list.children[index].id);
                menivorList.revealSoon(list);
            }
            if (byUser)
                list.dispatchEvent(new Event('change'));
        },
        // reveal in the next frame, before it is drawn, once however often it is asked for: now
        // it would force a layout each time (a start picks in three lists, refilling one).
        revealSoon: function (list) {
            if (list.menivorRevealing)
                return;
            list.menivorRevealing = true;
            requestAnimationFrame(function () {
                list.menivorRevealing = false;
                menivorList.reveal(list);
            });
        },
        // The picked entry wholly in view, scrolled as little as possible.
        reveal: function (list) {
            const index = menivorList.picked(list);
            if (index < 0)
                return;
            const entry = list.children[index];
            if (entry.offsetTop < list.scrollTop)
                list.scrollTop = entry.offsetTop;
            else if (entry.offsetTop + entry.offsetHeight > list.scrollTop + list.clientHeight)
                list.scrollTop = entry.offsetTop + entry.offsetHeight - list.clientHeight;
        },
        // The first entry from index on (cyclically) whose text starts with prefix, or -1.
        find: function (list, prefix, from) {
            const count = list.children.length;
            for (let i = 0; i < count; ++i) {
                const index = (from + i) % count;
                if (list.children[index].textContent.toLowerCase().startsWith(prefix))
                    return index;
            }
            return -1;
        },
        keydown: function (list, event) {
            const count = list.children.length;
            const picked = menivorList.picked(list);
            const page = Math.max(1, Math.floor(list.clientHeight / (list.firstChild ? list.firstChild.offsetHeight : 1)) - 1);
            const moves = {
                ArrowDown: picked + 1, ArrowUp: picked < 0 ? 0 : picked - 1, Home: 0, End: count - 1,
                PageDown: picked < 0 ? 0 : picked + page, PageUp: picked - page,
            };
            let target;
            if (event.key in moves && !event.altKey && !event.ctrlKey && !event.metaKey) {
                target = Math.min(count - 1, Math.max(0, moves[event.key]));
            } else if (event.key.length === 1 && event.key !== ' ' && !event.altKey && !event.ctrlKey && !event.metaKey) {
                // Type-ahead: the typed start within a second of the last key; one key again and
                // again steps through the entries that start with it.
                const now = event.timeStamp;
                list.menivorTyped = now - (list.menivorTypedAt || -1e9) < 1000 ? list.menivorTyped + event.key : event.key;
                list.menivorTypedAt = now;
                const typed = list.menivorTyped.toLowerCase();
                const repeated = typed.split('').every(function (c) { return c === typed[0]; });
                target = repeated ? menivorList.find(list, typed[0], picked + 1)
                                  : menivorList.find(list, typed, Math.max(0, picked));
            } else {
                if (event.key === ' ')
                    event.preventDefault(); // no page scroll
                return;
            }
            event.preventDefault();
            if (count > 0 && target >= 0)
                menivorList.pick(list, target, true);
        },
    },

    menivor_dom_list_make__deps: ['$menivorElement', '$menivorList'],
    menivor_dom_list_make: function (id, idLength) {
        const list = menivorElement(id, idLength);
        list.setAttribute('role', 'listbox');
        list.tabIndex = 0;
        list.addEventListener('keydown', function (event) {
            menivorList.keydown(list, event);
        });
        list.addEventListener('click', function (event) {
            const entry = event.target.closest('[role="option"]');
            if (entry && entry.parentNode === list)
                menivorList.pick(list, Array.prototype.indexOf.call(list.children, entry), true);
        });
    },

    menivor_dom_list_add__deps: ['$menivorText', '$menivorElement'],
    menivor_dom_list_add: function (id, idLength, text, textLength) {
        const list = menivorElement(id, idLength);
        const entry = document.createElement('div');
        entry.id = list.id + '.' + list.children.length;
        entry.setAttribute('role', 'option');
        entry.setAttribute('aria-selected', 'false');
        entry.textContent = menivorText(text, textLength);
        list.appendChild(entry);
    },

    menivor_dom_list_clear__deps: ['$menivorElement'],
    menivor_dom_list_clear: function (id, idLength) {
        const list = menivorElement(id, idLength);
        list.replaceChildren();
        list.removeAttribute('aria-activedescendant');
        list.scrollTop = 0;
    },

    menivor_dom_list_count__deps: ['$menivorElement'],
    menivor_dom_list_count: function (id, idLength) {
        return menivorElement(id, idLength).children.length;
    },

    menivor_dom_list_selected__deps: ['$menivorElement', '$menivorList'],
    menivor_dom_list_selected: function (id, idLength) {
        return menivorList.picked(menivorElement(id, idLength));
    },

    menivor_dom_list_select__deps: ['$menivorElement', '$menivorList'],
    menivor_dom_list_select: function (id, idLength, index) {
        menivorList.pick(menivorElement(id, idLength), index, false);
    },

    // The number of whole entries in view (the style sheet divides the list's height by it);
    // the picked one kept in view.
    menivor_dom_list_rows__deps: ['$menivorElement', '$menivorList'],
    menivor_dom_list_rows: function (id, idLength, rows) {
        const list = menivorElement(id, idLength);
        list.style.setProperty('--rows', rows);
        menivorList.revealSoon(list);
    },

    // Runs the C++ handler at address handler on each event of the type; the empty id is the
    // page's window ("resize"), and "density" is a change of the device pixels to a CSS pixel.
    menivor_dom_listen__deps: ['$menivorText', '$menivorElement'],
    menivor_dom_listen: function (id, idLength, type, typeLength, handler) {
        const kind = menivorText(type, typeLength);
        if (kind === 'density') {
            // No event tells of a new density (a window moved to a denser screen, a zoom that
            // keeps the size): a media query of the present one does, when it stops matching.
            const watch = function () {
                matchMedia('(resolution: ' + window.devicePixelRatio + 'dppx)').addEventListener('change', function () {
                    watch();
                    _menivor_web_event(handler);
                }, {once: true});
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

    menivor_dom_show_modal__deps: ['$menivorElement'],
    menivor_dom_show_modal: function (id, idLength) {
        const dialog = menivorElement(id, idLength);
        if (!dialog.open)
            dialog.showModal();
    },

    menivor_dom_close__deps: ['$menivorElement'],
    menivor_dom_close: function (id, idLength) {
        menivorElement(id, idLength).close();
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
