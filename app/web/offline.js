// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Registers the service worker that keeps the page working offline. Browsers run service workers
// only for pages from http(s); a page opened as a file simply works without one.
'use strict';
// A frame after the program has started and drawn its first result: the worker fetches and
// stores every file of the release, work that must not compete with the start. (Not at the page's
// load event: that often comes first, as the program starts only once its code is compiled.)
if ('serviceWorker' in navigator && window.isSecureContext && location.protocol !== 'file:') {
    window.addEventListener('menivor-started', () => {
        requestAnimationFrame(() => setTimeout(() => {
            navigator.serviceWorker.register('sw.js').catch(error => console.warn('Menivor: no offline copy:', error));
        }, 0));
    }, {once: true});
}
