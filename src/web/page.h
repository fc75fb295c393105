#pragma once

#include <cstdint>

// What the web host asks of the page: the browser's document, called through page.js. Elements
// are named by their ids; places and sizes are in CSS pixels.
extern "C" {

// A text element inside the parent element, in a font given as CSS, with its colours as
// 0xRRGGBB, its alignment (0 left, 1 right, 2 centre) and whether it wraps its text.
void vexal_label_create(const char* parent, const char* id, const char* font, int foreColour,
                        int backColour, int alignment, int wraps);
void vexal_label_text(const char* id, const char* text);
void vexal_place(const char* id, int left, int top, int width, int height, int visible);
// The width and the height of a line of text in a font, in CSS pixels.
int vexal_text_width(const char* font, const char* text);
int vexal_text_height(const char* font);

void vexal_title(const char* caption);  // the page's title

// Lays the game area of this size in CSS pixels, and the on-screen keys where the page shows
// them, out in the viewport, the area shown smaller where the viewport is too small for it.
// Returns the device pixels that one CSS pixel of the area covers.
double vexal_field_fit(int cssWidth, int cssHeight);
// The canvas's backing store in device pixels; and a rectangle of RGBA bytes copied onto it.
void vexal_field_resize(int width, int height);
void vexal_field_put(const std::uint8_t* bytes, int width, int height, int left, int top, int right,
                     int bottom);

// The About window: a window of the page with a caption, a close button and a white client area
// of this size, placed over the game area and in front of it.
void vexal_window_create(const char* id, const char* caption, int width, int height,
                         int backColour);
void vexal_window_caption(const char* id, const char* caption);
void vexal_window_remove(const char* id);
void vexal_button_create(const char* parent, const char* id, const char* caption, int accessIndex,
                         const char* font, int isDefault);
void vexal_picture_create(const char* parent, const std::uint32_t* argb, int width, int height,
                          int left, int top, int shownWidth, int shownHeight, int smooth);
// Which window is in front: the game area or the About window; the other one goes behind it.
void vexal_bring_to_front(const char* id);
void vexal_focus(const char* id);
int vexal_has_focus(const char* id);

// A message box titled with the title, modal over the page until its OK button closes it.
void vexal_message_box(const char* title, const char* text, int isError);
// The game is over: the page says so, and takes no more input.
void vexal_ended();
// The on-screen keys, for a touch screen, type their characters through vexal_type.
void vexal_keys_listen(void* host);
}
