// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The page's list boxes, the part of the web layer's JavaScript library (dom.js) that draws and
// drives them: like the rest, it decides nothing of the form.

mergeInto(LibraryManager.library, {
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
                if (list.menivorRefilled) {
                    list.menivorRefilled = false;
                    list.scrollTop = 0;
                }
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

    menivor_dom_list_clear__deps: ['$menivorElement', '$menivorList'],
    menivor_dom_list_clear: function (id, idLength) {
        const list = menivorElement(id, idLength);
        list.textContent = '';
        list.removeAttribute('aria-activedescendant');
        // Scrolled back to its top in the next frame, with the picked entry's reveal: now it
        // would force a layout of the half-made page (a start refills the day list).
        list.menivorRefilled = true;
        menivorList.revealSoon(list);
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
});
