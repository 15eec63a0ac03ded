// SPDX-License-Identifier: MIT
// The page around the program: its console panel, its pop-up menu in HTML, a finger as the mouse,
// and its end. Loaded before the program, so that its input handlers, on the window in the
// capture phase like GLUT's, come first and can keep input from the game.
'use strict';

var Module = (function() {
  var canvas = document.getElementById('canvas');
  var log = document.getElementById('log');
  var menu = document.getElementById('menu');
  var endPanel = document.getElementById('ended');
  var ended = false;
  var longPress = 500; // ms, as touch screens open a context menu

  // The banner is drawn over the last frame, which WebGL would have cleared once shown.
  var getContext = canvas.getContext.bind(canvas);
  canvas.getContext = function(type, attributes) {
    return getContext(type, Object.assign({}, attributes, {preserveDrawingBuffer: true}));
  };

  function print(line) {
    log.append(line + '\n');
    log.scrollTop = log.scrollHeight;
  }

  // Menu: the tree that the program built through GLUT (glut.js), as nested role="menu" lists.
  function fill(list, id) {
    Module.menus[id].entries.forEach(function(entry) {
      var item = document.createElement('li');
      item.setAttribute('role', 'menuitem');
      item.tabIndex = -1;
      item.append(entry.label);
      if (entry.submenu) {
        item.setAttribute('aria-haspopup', 'menu');
        var sub = document.createElement('ul');
        sub.setAttribute('role', 'menu');
        fill(sub, entry.submenu);
        item.append(sub);
      } else {
        item.dataset.menu = id;
        item.dataset.value = entry.value;
      }
      list.append(item);
    });
  }

  function menuOpen() { return !menu.hidden; }

  function openMenu(x, y) {
    menu.replaceChildren();
    fill(menu, Module.attachedMenu);
    menu.hidden = false;
    // Just off the pointer, so that the release of the press that opened it chooses nothing.
    menu.style.left = Math.max(0, Math.min(x + 2, innerWidth - menu.offsetWidth)) + 'px';
    menu.style.top = Math.max(0, Math.min(y + 2, innerHeight - menu.offsetHeight)) + 'px';
    Module.menuStatus(true, x, y);
  }

  function closeMenu(item) {
    menu.hidden = true;
    Module.menuStatus(false, 0, 0);
    if (item) Module.chooseMenuEntry(Number(item.dataset.menu), Number(item.dataset.value));
  }

  function inMenu(event) { return event.target instanceof Element && menu.contains(event.target); }

  function keep(event) {
    event.stopImmediatePropagation();
    if (event.cancelable) event.preventDefault();
  }

  // Once the game has ended, only the panel that says so takes input.
  function over(event) {
    if (!ended || (event.target instanceof Node && endPanel.contains(event.target))) return false;
    keep(event);
    return true;
  }

  // While the menu is open, or the game has ended, no press reaches the game; a press outside
  // the menu closes it. An entry acts on release, a submenu opens on a press (for touch).
  function onPress(event) {
    if (over(event)) return;
    if (menuOpen()) {
      var item = inMenu(event) && event.target.closest('[role="menuitem"]');
      if (item && item.hasAttribute('aria-haspopup')) item.classList.toggle('open');
      else if (!item) closeMenu(null);
      return keep(event);
    }
    if (event.button == 2 && event.target == canvas && Module.attachedMenu) {
      keep(event);
      openMenu(event.clientX, event.clientY);
    }
  }

  function onRelease(event) {
    if (over(event)) return;
    if (!menuOpen()) return;
    var item = inMenu(event) && event.target.closest('[role="menuitem"]');
    if (item && item.dataset.value !== undefined) closeMenu(item);
    keep(event);
  }

  function onKey(event) {
    if (over(event)) return;
    if (!menuOpen()) return;
    if (event.type == 'keydown' && event.key == 'Escape') closeMenu(null);
    keep(event);
  }

  // One finger plays as the mouse's left button; held still, it opens the menu.
  var touch = null;

  function mouse(type, point) {
    canvas.dispatchEvent(new MouseEvent(type, {bubbles: true, cancelable: true, button: 0,
      buttons: type == 'mouseup' ? 0 : 1, clientX: point.clientX, clientY: point.clientY}));
  }

  function ownTouch(event) {
    if (!touch) return null;
    return Array.prototype.find.call(event.changedTouches, function(t) {
      return t.identifier == touch.id;
    });
  }

  function onTouch(event) {
    if (over(event)) return;
    if (event.type == 'touchstart') {
      if (event.target != canvas) return; // on the menu, a tap is a click
      keep(event);
      if (menuOpen()) return closeMenu(null);
      if (touch) return;
      var first = event.changedTouches[0];
      touch = {id: first.identifier, clientX: first.clientX, clientY: first.clientY};
      touch.timer = setTimeout(function() {
        var held = touch;
        touch = null;
        mouse('mouseup', held);
        openMenu(held.clientX, held.clientY);
      }, longPress);
      return mouse('mousedown', first);
    }
    var t = ownTouch(event);
    if (!t) return;
    keep(event);
    if (event.type == 'touchmove') {
      if (Math.hypot(t.clientX - touch.clientX, t.clientY - touch.clientY) > 8)
        clearTimeout(touch.timer);
      return mouse('mousemove', t);
    }
    clearTimeout(touch.timer);
    touch = null;
    mouse('mouseup', t);
  }

  var capture = {capture: true, passive: false};
  window.addEventListener('mousedown', onPress, capture);
  window.addEventListener('mouseup', onRelease, capture);
  window.addEventListener('keydown', onKey, capture);
  window.addEventListener('keyup', onKey, capture);
  ['touchstart', 'touchmove', 'touchend', 'touchcancel'].forEach(function(type) {
    window.addEventListener(type, onTouch, capture);
  });
  window.addEventListener('contextmenu', function(event) { event.preventDefault(); }, capture);
  document.getElementById('again').addEventListener('click', function() { location.reload(); });

  return {
    canvas: canvas,
    print: print,
    printErr: function(line) { console.error(line); },
    // Escape and Quit end the program with exit() (glut.js): the page says so and offers a new
    // start.
    ended: function() {
      ended = true;
      if (menuOpen()) menu.hidden = true;
      endPanel.hidden = false;
      document.getElementById('again').focus();
    },
  };
})();
