// The browser's side of the web host: the document's elements for the game's windows. The game
// and its rules are in the WebAssembly module; this only makes, places and draws elements.
mergeInto(LibraryManager.library, {
  // Should the module itself fail (a trap, or memory running out), the player is told, as of
  // an error that no handler trapped, and the game ends.
  $vexal__postset: 'Module["onAbort"] = function (what) { vexal.fail(String(what)); };',
  $vexal__deps: ['vexal_ended', '$JSEvents'],
  $vexal: {
    // Told without the module's memory, which may be what failed. From then on no event
    // reaches the module: its listeners go, and the page's own call it no more (ABORT).
    fail: function (what) {
      JSEvents.removeAllEventListeners();
      vexal.messageBox(document.querySelector('meta[name=application-name]').content,
                       'The game stopped: ' + what, true);
      _vexal_ended();
    },
    element: function (id) {
      return document.getElementById(UTF8ToString(id));
    },
    // A window's controls go into its client area, under its caption.
    container: function (id) {
      var element = vexal.element(id);
      return element.querySelector('.vexal-client') || element;
    },
    colour: function (rgb) {
      return '#' + (rgb | 0x1000000).toString(16).slice(1);
    },
    fontContext: function (font) {
      vexal.measuring = vexal.measuring || document.createElement('canvas').getContext('2d');
      vexal.measuring.font = UTF8ToString(font);
      return vexal.measuring;
    },
    // Places an element at whole device pixels, so that what it shows stays crisp.
    snap: function (css) {
      var ratio = window.devicePixelRatio || 1;
      return Math.round(css * ratio) / ratio;
    },
    // The game area, and beside it the on-screen keys where the page shows them (below it, or
    // to its right when that leaves it larger), centred in the viewport; the area shown smaller
    // where the viewport is too small for it. The scale lands on whole eighths of a device
    // pixel a CSS pixel, so that the area's edges fall on device pixels.
    layout: function () {
      var area = document.getElementById('vexal-game');
      var keys = document.getElementById('vexal-keys');
      var ratio = window.devicePixelRatio || 1, gap = 8;
      var width = area.offsetWidth, height = area.offsetHeight;
      function fit(besideWidth, belowHeight) {
        var scale = Math.min((innerWidth - besideWidth) / width, (innerHeight - belowHeight) / height);
        return scale >= 1 ? 1 : Math.max(1, Math.floor(scale * ratio * 8)) / 8 / ratio;
      }
      var shown = getComputedStyle(keys).display !== 'none', column = false;
      var scale = fit(0, 0);
      if (shown) {
        keys.classList.add('vexal-column');
        var beside = fit(keys.offsetWidth + gap, 0);
        keys.classList.remove('vexal-column');
        var below = fit(0, keys.offsetHeight + gap);
        column = beside > below;
        keys.classList.toggle('vexal-column', column);
        scale = Math.max(beside, below);
      }
      area.style.transform = scale < 1 ? 'scale(' + scale + ')' : '';
      var shownWidth = width * scale, shownHeight = height * scale;
      var allWidth = shownWidth + (shown && column ? gap + keys.offsetWidth : 0);
      var allHeight = shownHeight + (shown && !column ? gap + keys.offsetHeight : 0);
      var left = vexal.snap(Math.max(0, (innerWidth - allWidth) / 2));
      var top = vexal.snap(Math.max(0, (innerHeight - allHeight) / 2));
      area.style.left = left + 'px';
      area.style.top = top + 'px';
      keys.style.left = vexal.snap(column ? left + shownWidth + gap
                                          : left + (shownWidth - keys.offsetWidth) / 2) + 'px';
      keys.style.top = vexal.snap(column ? top + (shownHeight - keys.offsetHeight) / 2
                                         : top + shownHeight + gap) + 'px';
      area.style.visibility = keys.style.visibility = 'visible';
      return scale * ratio;
    },
    makeBox: function (className, title) {
      var box = document.createElement('div');
      box.className = 'vexal-window ' + className;
      var caption = document.createElement('div');
      caption.className = 'vexal-caption';
      var text = document.createElement('span');
      text.className = 'vexal-title';
      text.textContent = title;
      caption.appendChild(text);
      box.appendChild(caption);
      return box;
    },
    // Modal: until its OK button closes it, the box takes every key and the page behind it no
    // click. Enter, Esc and Space close it, and the focus goes back where it was.
    messageBox: function (title, text, isError) {
      var modal = document.createElement('div');
      modal.className = 'vexal-modal';
      var box = vexal.makeBox('vexal-message', title);
      box.setAttribute('role', 'alertdialog');
      box.setAttribute('aria-modal', 'true');
      box.setAttribute('aria-label', title);
      var message = document.createElement('p');
      message.className = 'vexal-text' + (isError ? ' vexal-error' : '');
      message.textContent = text;
      var ok = document.createElement('button');
      ok.className = 'vexal-button vexal-default';
      ok.textContent = 'OK';
      box.append(message, ok);
      modal.appendChild(box);
      var before = document.activeElement;
      function close() {
        removeEventListener('keydown', keys, true);
        removeEventListener('keypress', keys, true);
        modal.remove();
        if (before && before.isConnected) before.focus();
      }
      function keys(event) {
        // The browser's own keys (reload, its menus) still work.
        if (event.ctrlKey || event.metaKey || /^F[0-9]+$/.test(event.key)) return;
        event.stopImmediatePropagation();
        event.preventDefault();
        if (event.type === 'keydown' && ['Enter', 'Escape', ' '].indexOf(event.key) >= 0) close();
      }
      addEventListener('keydown', keys, true);
      addEventListener('keypress', keys, true);
      ok.addEventListener('click', close);
      document.body.appendChild(modal);
      ok.focus();
    },
    // Dragging a window by its caption moves it, with the mouse, a pen or a finger.
    movable: function (box) {
      var caption = box.querySelector('.vexal-caption');
      caption.addEventListener('pointerdown', function (down) {
        if (down.button !== 0 || down.target.tagName === 'BUTTON') return;
        var dx = down.clientX - box.offsetLeft, dy = down.clientY - box.offsetTop;
        function move(event) {
          box.style.left = vexal.snap(event.clientX - dx) + 'px';
          box.style.top = vexal.snap(Math.max(0, event.clientY - dy)) + 'px';
        }
        function up() {
          caption.removeEventListener('pointermove', move);
          caption.removeEventListener('lostpointercapture', up);
        }
        caption.setPointerCapture(down.pointerId);
        caption.addEventListener('pointermove', move);
        caption.addEventListener('lostpointercapture', up);
      });
      // The press keeps the focus where it is, and selects no text.
      caption.addEventListener('mousedown', function (down) {
        if (down.target.tagName !== 'BUTTON') down.preventDefault();
      });
    },
  },

  vexal_title__deps: ['$vexal'],
  vexal_title: function (caption) {
    document.title = UTF8ToString(caption);
  },

  vexal_label_create__deps: ['$vexal'],
  vexal_label_create: function (parent, id, font, fore, back, alignment, wraps) {
    var label = document.createElement('div');
    label.id = UTF8ToString(id);
    label.className = 'vexal-label';
    label.style.font = UTF8ToString(font);
    label.style.color = vexal.colour(fore);
    label.style.background = vexal.colour(back);
    label.style.textAlign = ['left', 'right', 'center'][alignment];
    label.style.whiteSpace = wraps ? 'pre-wrap' : 'pre';
    vexal.container(parent).appendChild(label);
  },

  vexal_label_text__deps: ['$vexal'],
  vexal_label_text: function (id, text) {
    vexal.element(id).textContent = UTF8ToString(text);
  },

  vexal_place__deps: ['$vexal'],
  vexal_place: function (id, left, top, width, height, visible) {
    var style = vexal.element(id).style;
    style.left = left + 'px';
    style.top = top + 'px';
    style.width = width + 'px';
    style.height = height + 'px';
    style.display = visible ? '' : 'none';
  },

  vexal_text_width__deps: ['$vexal'],
  vexal_text_width: function (font, text) {
    return Math.ceil(vexal.fontContext(font).measureText(UTF8ToString(text)).width);
  },

  vexal_text_height__deps: ['$vexal'],
  vexal_text_height: function (font) {
    var metrics = vexal.fontContext(font).measureText('Hg');
    if (metrics.fontBoundingBoxAscent !== undefined) {
      return Math.ceil(metrics.fontBoundingBoxAscent + metrics.fontBoundingBoxDescent);
    }
    // Engines without the font's box: the height of a line of text in that font.
    var line = document.createElement('span');
    line.style.cssText = 'position:absolute;visibility:hidden;white-space:pre;line-height:normal';
    line.style.font = UTF8ToString(font);
    line.textContent = 'Hg';
    document.body.appendChild(line);
    var height = line.offsetHeight;
    line.remove();
    return height;
  },

  vexal_field_fit__deps: ['$vexal'],
  vexal_field_fit: function (cssWidth, cssHeight) {
    var area = document.getElementById('vexal-game');
    area.style.width = cssWidth + 'px';
    area.style.height = cssHeight + 'px';
    var canvas = document.getElementById('vexal-field');
    canvas.style.width = cssWidth + 'px';
    canvas.style.height = cssHeight + 'px';
    return vexal.layout();
  },

  vexal_field_resize__deps: ['$vexal'],
  vexal_field_resize: function (width, height) {
    var canvas = document.getElementById('vexal-field');
    canvas.width = width;
    canvas.height = height;
    vexal.field = null;
  },

  vexal_field_put__deps: ['$vexal'],
  vexal_field_put: function (bytes, width, height, left, top, right, bottom) {
    var field = vexal.field;
    if (!field || field.data.buffer !== HEAPU8.buffer || vexal.fieldBytes !== bytes) {
      var data = new Uint8ClampedArray(HEAPU8.buffer, bytes, width * height * 4);
      vexal.field = field = new ImageData(data, width, height);
      vexal.fieldBytes = bytes;
    }
    document.getElementById('vexal-field').getContext('2d')
        .putImageData(field, 0, 0, left, top, right - left, bottom - top);
  },

  vexal_window_create__deps: ['$vexal'],
  vexal_window_create: function (id, caption, width, height, back) {
    var box = vexal.makeBox('vexal-dialog', UTF8ToString(caption));
    box.id = UTF8ToString(id);
    box.setAttribute('role', 'dialog');
    box.setAttribute('aria-label', UTF8ToString(caption));
    var close = document.createElement('button');
    close.id = box.id + '-close';
    close.className = 'vexal-close';
    close.tabIndex = -1;
    close.setAttribute('aria-label', 'Close');
    close.textContent = '\u00d7';
    box.querySelector('.vexal-caption').appendChild(close);
    var client = document.createElement('div');
    client.className = 'vexal-client';
    client.style.width = width + 'px';
    client.style.height = height + 'px';
    client.style.background = vexal.colour(back);
    box.appendChild(client);
    box.addEventListener('focusin', function (event) {
      if (event.target !== close) box.vexalFocus = event.target;
    });
    vexal.movable(box);
    // Shown smaller, as the game area, where the viewport is too small for it. Its size is
    // taken against the viewport's before it is shown: a phone's browser widens the viewport
    // to hold a window wider than it.
    var viewWidth = innerWidth, viewHeight = innerHeight;
    document.body.appendChild(box);
    var scale = Math.min(1, viewWidth / box.offsetWidth, viewHeight / box.offsetHeight);
    box.style.transform = scale < 1 ? 'scale(' + scale + ')' : '';
    var area = document.getElementById('vexal-game').getBoundingClientRect();
    var left = area.left + (area.width - box.offsetWidth * scale) / 2;
    var top = Math.min(area.top + area.height / 4, viewHeight - box.offsetHeight * scale);
    box.style.left = vexal.snap(Math.max(0, left)) + 'px';
    box.style.top = vexal.snap(Math.max(0, top)) + 'px';
  },

  vexal_window_caption__deps: ['$vexal'],
  vexal_window_caption: function (id, caption) {
    var box = vexal.element(id);
    box.querySelector('.vexal-title').textContent = UTF8ToString(caption);
    box.setAttribute('aria-label', UTF8ToString(caption));
  },

  vexal_window_remove__deps: ['$vexal'],
  vexal_window_remove: function (id) {
    vexal.element(id).remove();
    document.getElementById('vexal-game').classList.add('vexal-front');
  },

  vexal_button_create__deps: ['$vexal'],
  vexal_button_create: function (parent, id, caption, accessIndex, font, isDefault) {
    var button = document.createElement('button');
    button.id = UTF8ToString(id);
    button.className = 'vexal-button' + (isDefault ? ' vexal-default' : '');
    button.style.font = UTF8ToString(font);
    var text = UTF8ToString(caption);
    if (accessIndex >= 0) {
      var letter = document.createElement('u');
      letter.textContent = text.charAt(accessIndex);
      button.append(text.slice(0, accessIndex), letter, text.slice(accessIndex + 1));
      button.setAttribute('aria-keyshortcuts', 'Alt+' + text.charAt(accessIndex).toUpperCase());
    } else {
      button.textContent = text;
    }
    var box = vexal.element(parent);
    vexal.container(parent).appendChild(button);
    if (isDefault) box.vexalFocus = button;
  },

  vexal_picture_create__deps: ['$vexal'],
  vexal_picture_create: function (parent, argb, width, height, left, top, shownWidth,
                                  shownHeight, smooth) {
    var canvas = document.createElement('canvas');
    canvas.width = width;
    canvas.height = height;
    canvas.setAttribute('aria-hidden', 'true');
    canvas.className = 'vexal-picture';
    var context = canvas.getContext('2d');
    var image = context.createImageData(width, height);
    for (var i = 0; i < width * height; ++i) {
      var pixel = HEAPU32[(argb >> 2) + i];
      image.data.set([pixel >>> 16 & 255, pixel >>> 8 & 255, pixel & 255, pixel >>> 24], i * 4);
    }
    context.putImageData(image, 0, 0);
    canvas.style.cssText = 'left:' + left + 'px;top:' + top + 'px;width:' + shownWidth +
        'px;height:' + shownHeight + 'px;image-rendering:' + (smooth ? 'auto' : 'pixelated');
    vexal.container(parent).appendChild(canvas);
  },

  // The window in front is the active one: the About window gets back the focus it had, and
  // the game area takes it from the About window's buttons, so that their keys stay theirs.
  vexal_bring_to_front__deps: ['$vexal'],
  vexal_bring_to_front: function (id) {
    var front = vexal.element(id);
    document.querySelectorAll('.vexal-front').forEach(function (element) {
      element.classList.remove('vexal-front');
    });
    front.classList.add('vexal-front');
    // Tab moves the focus within the window in front only.
    document.querySelectorAll('.vexal-dialog .vexal-button').forEach(function (button) {
      button.tabIndex = front.contains(button) ? 0 : -1;
    });
    if (front.id === 'vexal-game') {
      if (document.activeElement && document.activeElement !== document.body &&
          !front.contains(document.activeElement)) {
        document.activeElement.blur();
      }
    } else if (front.vexalFocus) {
      front.vexalFocus.focus();
    }
  },

  vexal_focus__deps: ['$vexal'],
  vexal_focus: function (id) {
    vexal.element(id).focus();
  },

  vexal_has_focus__deps: ['$vexal'],
  vexal_has_focus: function (id) {
    return document.activeElement === vexal.element(id) ? 1 : 0;
  },

  vexal_message_box__deps: ['$vexal'],
  vexal_message_box: function (title, text, isError) {
    vexal.messageBox(UTF8ToString(title), UTF8ToString(text), isError);
  },

  // A press types the key's character at once; held, it repeats as a held key does.
  vexal_keys_listen: function (host) {
    var kDelay = 500, kRepeat = 33;  // milliseconds
    document.querySelectorAll('.vexal-key').forEach(function (key) {
      var character = Number(key.dataset.character);
      var timer = 0;
      function type() { if (!ABORT) _vexal_type(host, character); }
      function stop() { clearTimeout(timer); }
      key.addEventListener('pointerdown', function (event) {
        event.preventDefault();  // no focus, no text selection
        key.setPointerCapture(event.pointerId);
        stop();
        type();
        timer = setTimeout(function repeat() {
          type();
          timer = setTimeout(repeat, kRepeat);
        }, kDelay);
      });
      ['pointerup', 'pointercancel', 'lostpointercapture'].forEach(function (type) {
        key.addEventListener(type, stop);
      });
      // Pressed by the keyboard or a screen reader, with no pointer: once.
      key.addEventListener('click', function (event) {
        if (event.detail === 0) type();
      });
    });
  },

  vexal_ended: function () {
    var notice = document.createElement('div');
    notice.className = 'vexal-ended';
    notice.setAttribute('role', 'status');
    notice.textContent = 'The game has ended. Reload the page to play again.';
    document.body.appendChild(notice);
  },
});
