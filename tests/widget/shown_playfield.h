#pragma once

#include <QImage>
#include <QLabel>
#include <QTest>

#include "playfield/form1.h"
#include "view/playfield_window.h"

// Form1 after its load, shown in its window, as a player first sees it.
struct ShownPlayfield {
  ShownPlayfield() {
    playfield::Form_Load(form);
    window.ShowModel();
    window.show();
    (void)QTest::qWaitForWindowExposed(&window);
  }

  QImage Grab() { return window.grab().toImage(); }

  QRect PlaceOf(const forms::Label& label) const { return window.WidgetOf(label)->geometry(); }

  playfield::Form1 form;
  view::PlayfieldWindow window{form};
};
