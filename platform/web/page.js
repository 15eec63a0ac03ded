// SPDX-License-Identifier: MIT
// The page around the program: its console panel, its pop-up menu in HTML, a finger as the mouse,
// and its end. Loaded before the program, so that its input handlers, on the window in the
// capture phase like the program's, come first and can keep input from the game.
'use strict';

var Module = (function() {
    const canvas = document.getElementById('canvas');
    const log = document.getElementById('log');
    const menu = document.getElementById('menu');
    const menuButton = document.getElementById('menu-button');
    const notice = document.getElementById('notice');
    const again = document.getElementById('again');
    let ended = false;
    const longPress = 500; // ms, as touch screens open a context menu
    let returnFocus = null;

    // The banner is drawn over the last frame, which WebGL would have cleared once shown. Made here
    // with the attributes the program's window asks for, this is the context the program then gets.
    const gl = canvas.getContext('webgl', {
        preserveDrawingBuffer: true,
        alpha: false,
        depth: false,
        stencil: false,
        antialias: false
    });

    function print(line) {
        log.append(line + '\n');
        log.scrollTop = log.scrollHeight;
    }

    // Over the page, with one button; only it takes input from then on.
    function showNotice(text, button) {
        ended = true;
        closeMenu(null);
        notice.querySelector('p').textContent = text;
        again.textContent = button;
        notice.hidden = false;
        again.focus();
    }

    // Menu: the tree that the program built through GLUT (glut.js), as nested role="menu" lists.
    // A submenu that fits neither beside its entry nor across from it takes its parent's place,
    // with a way back.
    function item(label) {
        const entry = document.createElement('li');
        entry.setAttribute('role', 'menuitem');
        entry.tabIndex = -1;
        entry.append(label);
        return entry;
    }

    function fill(list, id) {
        for (const entry of Module.menus[id].entries) {
            const li = item(entry.label);
            if (entry.submenu) {
                li.setAttribute('aria-haspopup', 'menu');
                li.setAttribute('aria-expanded', 'false');
                const sub = document.createElement('ul');
                sub.setAttribute('role', 'menu');
                const back = item('Back');
                back.className = 'back';
                sub.append(back);
                fill(sub, entry.submenu);
                li.append(sub);
            } else {
                li.dataset.menu = id;
                li.dataset.value = entry.value;
            }
            list.append(li);
        }
    }

    function menuOpen() { return !menu.hidden; }

    function clamp(value, size, room) { return Math.max(0, Math.min(value, room - size)); }

    function openMenu(x, y, byKeyboard) {
        if (menuOpen() || ended || !Module.attachedMenu)
            return;
        returnFocus = document.activeElement;
        menu.replaceChildren();
        menu.classList.remove('covered');
        fill(menu, Module.attachedMenu);
        menu.hidden = false;
        // Just off the pointer, so that the release of the press that opened it chooses nothing.
        menu.style.left = clamp(x + 2, menu.offsetWidth, innerWidth) + 'px';
        menu.style.top = clamp(y + 2, menu.offsetHeight, innerHeight) + 'px';
        menuButton.setAttribute('aria-expanded', 'true');
        Module.menuStatus(true, x, y);
        if (byKeyboard)
            entries(menu)[0].focus();
    }

    function closeMenu(chosen) {
        if (!menuOpen())
            return;
        menu.hidden = true;
        menuButton.setAttribute('aria-expanded', 'false');
        Module.menuStatus(false, 0, 0);
        if (returnFocus && returnFocus.focus)
            returnFocus.focus();
        if (chosen)
            Module.chooseMenuEntry(Number(chosen.dataset.menu), Number(chosen.dataset.value));
    }

    function entries(list) { return [...list.children].filter(li => li.offsetParent !== null); }

    function subOf(li) { return li.querySelector(':scope > [role="menu"]'); }

    // A submenu that would open in its parent's place opens on a press, not as the pointer passes.
    function openSub(li, byHover) {
        for (const other of li.parentElement.children)
            if (other != li && other.classList.contains('open'))
                closeSub(other);
        if (li.classList.contains('open'))
            return;
        li.classList.add('open');
        if (!place(subOf(li), li) && byHover)
            return closeSub(li);
        li.setAttribute('aria-expanded', 'true');
    }

    function closeSub(li) {
        li.querySelectorAll('.open').forEach(closeSub);
        li.classList.remove('open');
        li.setAttribute('aria-expanded', 'false');
        li.parentElement.classList.remove('covered');
    }

    // Beside the entry, to the right or else to the left, moved up where the bottom has no room;
    // false if it had to take its parent's place.
    function place(sub, li) {
        sub.classList.remove('in-place');
        let box = li.getBoundingClientRect(), width = sub.offsetWidth, height = sub.offsetHeight;
        let right = box.right - 2, left = box.left + 2 - width;
        // A cascade that turned left goes on to the left while it has room.
        const fits = [right + width <= innerWidth && right, left >= 0 && left];
        if (li.parentElement.dataset.side == 'left')
            fits.reverse();
        left = fits[0] !== false ? fits[0] : fits[1];
        sub.dataset.side = left === right ? 'right' : 'left';
        const parent = li.parentElement.getBoundingClientRect();
        if (left === false) {
            sub.classList.add('in-place');
            li.parentElement.classList.add('covered');
            width = sub.offsetWidth;
            height = sub.offsetHeight;
            left = clamp(parent.left, width, innerWidth);
            box = parent;
        }
        sub.style.left = left + 'px';
        sub.style.top = clamp(box.top, height, innerHeight) + 'px';
        return box != parent;
    }

    function inMenu(event) {
        return event.target instanceof Element && menu.contains(event.target);
    }

    function entryAt(event) { return inMenu(event) && event.target.closest('[role="menuitem"]'); }

    // From an entry of a submenu back to the entry that opened it.
    function leaveSub(li) {
        const parent = li.parentElement.parentElement;
        closeSub(parent);
        parent.focus();
    }

    // An entry: a submenu opens, Back leaves one, any other chooses.
    function activate(li, byKeyboard) {
        if (li.classList.contains('back'))
            return leaveSub(li);
        if (!subOf(li))
            return closeMenu(li);
        openSub(li);
        if (byKeyboard)
            entries(subOf(li)).find(e => e.className != 'back').focus();
    }

    function keep(event) {
        event.stopImmediatePropagation();
        if (event.cancelable)
            event.preventDefault();
    }

    // Once the game has ended, only the notice takes input, as a page takes it.
    function over(event) {
        if (!ended)
            return false;
        if (event.target instanceof Node && notice.contains(event.target))
            event.stopImmediatePropagation();
        else
            keep(event);
        return true;
    }

    // While the menu is open no press reaches the game; a press outside the menu closes it. An
    // entry acts on release, so that no release lands in a submenu its press opened. The right
    // button is the menu's, as the toolkit keeps it; the menu opens on the browser's contextmenu.
    let rightHeld = false, skipRelease = false;
    function onPress(event) {
        if (event.button == 2)
            rightHeld = true;
        if (over(event))
            return;
        if (menuOpen()) {
            // The menu button's own click closes the menu, which this press would only reopen.
            if (!entryAt(event)
                && !(event.target instanceof Node && menuButton.contains(event.target)))
                closeMenu(null);
            return keep(event);
        }
        if (event.button == 2 && event.target == canvas)
            keep(event);
    }

    function onRelease(event) {
        if (event.button == 2)
            rightHeld = false;
        if (over(event))
            return;
        if (skipRelease && event.button == 2) {
            skipRelease = false; // the press that opened the menu, wherever the menu came to lie
            return keep(event);
        }
        if (menuOpen()) {
            const li = entryAt(event);
            if (li)
                activate(li);
            return keep(event);
        }
        if (event.button == 2)
            keep(event);
    }

    // As the mouse moves, not as a menu appears under a pointer at rest.
    let lastMove = '';
    function onHover(event) {
        const li = entryAt(event), at = event.clientX + ',' + event.clientY;
        if (!li || event.pointerType != 'mouse' || at == lastMove)
            return;
        lastMove = at;
        li.focus({ preventScroll: true });
        if (subOf(li))
            openSub(li, true);
        else
            li.parentElement.querySelectorAll(':scope > .open').forEach(closeSub);
    }

    function onContextMenu(event) {
        if (event.target == log)
            return; // its own, to copy text
        event.preventDefault();
        if (over(event) || menuOpen())
            return;
        if (touch)
            endTouch(true); // a long press the browser recognised
        skipRelease = rightHeld;
        if (event.clientX || event.clientY)
            openMenu(event.clientX, event.clientY, false);
        else
            openFromButton();
    }

    function openFromButton() {
        const box = menuButton.getBoundingClientRect();
        openMenu(box.left, box.bottom, true);
    }

    // The usual menu keys: arrows, Home and End move, Enter, Space and Right open or choose, Left
    // and Escape go back. Shift+F10 and the context-menu key open it.
    function onMenuKey(event) {
        let li = document.activeElement;
        if (!(li instanceof Element) || !menu.contains(li)
            || li.getAttribute('role') != 'menuitem') {
            // None has the focus yet, as after the pointer opened the menu: Down and Home reach
            // the first entry, Up and End the last.
            const top = entries(menu);
            li = top[0];
            if (event.key == 'ArrowDown' || event.key == 'Home')
                return li.focus();
            if (event.key == 'ArrowUp' || event.key == 'End')
                return top[top.length - 1].focus();
        }
        const list = entries(li.parentElement), at = list.indexOf(li);
        switch (event.key) {
        case 'ArrowDown':
            return list[(at + 1) % list.length].focus();
        case 'ArrowUp':
            return list[(at + list.length - 1) % list.length].focus();
        case 'Home':
            return list[0].focus();
        case 'End':
            return list[list.length - 1].focus();
        case 'Enter':
        case ' ':
            return activate(li, true);
        case 'ArrowRight':
            return subOf(li) && activate(li, true);
        case 'ArrowLeft':
        case 'Escape':
            if (li.parentElement == menu)
                return event.key == 'Escape' && closeMenu(null);
            return leaveSub(li);
        }
    }

    function onKey(event) {
        if (over(event))
            return;
        const asks = event.key == 'ContextMenu' || (event.key == 'F10' && event.shiftKey);
        if (!menuOpen() && !(asks && event.type == 'keydown'))
            return;
        keep(event);
        if (event.type != 'keydown')
            return;
        if (menuOpen())
            onMenuKey(event);
        else
            openFromButton();
    }

    // One finger plays as the mouse's left button; held still, it opens the menu.
    let touch = null;

    function mouse(type, point) {
        canvas.dispatchEvent(new MouseEvent(type, {
            bubbles: true,
            cancelable: true,
            button: 0,
            buttons: type == 'mouseup' ? 0 : 1,
            clientX: point.clientX,
            clientY: point.clientY
        }));
    }

    // The finger lifted where it is, or where it came down, which puts a lifted piece back: a long
    // press, or a touch the system takes away, plays no move.
    function endTouch(putBack) {
        const held = touch;
        clearTimeout(held.timer);
        touch = null;
        mouse('mouseup', putBack ? held.start : held);
        return held;
    }

    function ownTouch(event) {
        if (!touch)
            return null;
        return [...event.changedTouches].find(t => t.identifier == touch.id);
    }

    function onTouch(event) {
        if (over(event) || event.target != canvas)
            return; // on the menu, a tap is a click
        keep(event); // another finger's touch goes nowhere, not even to the toolkit
        if (event.type == 'touchstart') {
            if (menuOpen())
                return closeMenu(null);
            if (touch)
                return;
            const first = event.changedTouches[0];
            const start = { clientX: first.clientX, clientY: first.clientY };
            touch = { id: first.identifier, start: start, ...start };
            touch.timer = setTimeout(() => {
                const held = endTouch(true);
                openMenu(held.clientX, held.clientY, false);
            }, longPress);
            return mouse('mousedown', first);
        }
        const t = ownTouch(event);
        if (!t)
            return;
        if (event.type == 'touchmove') {
            if (Math.hypot(t.clientX - touch.start.clientX, t.clientY - touch.start.clientY) > 8)
                clearTimeout(touch.timer);
            touch.clientX = t.clientX;
            touch.clientY = t.clientY;
            return mouse('mousemove', t);
        }
        endTouch(event.type == 'touchcancel');
    }

    const capture = { capture: true, passive: false };
    window.addEventListener('mousedown', onPress, capture);
    window.addEventListener('mouseup', onRelease, capture);
    window.addEventListener('keydown', onKey, capture);
    window.addEventListener('keyup', onKey, capture);
    window.addEventListener('contextmenu', onContextMenu, capture);
    menu.addEventListener('pointermove', onHover);
    for (const type of ['touchstart', 'touchmove', 'touchend', 'touchcancel'])
        window.addEventListener(type, onTouch, capture);
    menuButton.addEventListener('click', () => (menuOpen() ? closeMenu(null) : openFromButton()));
    again.addEventListener('click', () => location.reload());

    // A window moved to a screen of another pixel density is resized as far as the program goes.
    (function followRatio() {
        matchMedia('(resolution: ' + devicePixelRatio + 'dppx)').addEventListener('change', () => {
            window.dispatchEvent(new Event('resize'));
            followRatio();
        }, { once: true });
    })();

    // Served, the page can go on a home screen and keeps its files for play with no network; from
    // a file it needs neither, and a browser would refuse it the manifest.
    if (location.protocol != 'file:') {
        const manifest = document.createElement('link');
        manifest.rel = 'manifest';
        manifest.href = 'manifest.webmanifest';
        document.head.append(manifest);
        if ('serviceWorker' in navigator)
            navigator.serviceWorker.register('sw.js').catch(
                error => console.warn('No play offline: ' + error.message));
    }

    const noWebGL = 'This browser cannot draw the board: WebGL is turned off or missing. Turn on ' +
        'hardware acceleration in its settings, or open the game in another browser.';
    if (!gl)
        setTimeout(showNotice, 0, noWebGL, 'Try again');

    return {
        canvas: canvas,
        print: print,
        // The program writes nothing there; the runtime's own notices are no errors.
        printErr: line => console.warn(line),
        // Escape and Quit end the program: the page says so and offers a new start.
        onExit: () => showNotice('The game has ended.', 'Play again'),
    };
})();
