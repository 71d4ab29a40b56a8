// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/web/dom.h"

#include <emscripten/emscripten.h>

#include <cstdio>
#include <exception>

// dom.js. Every text is a pointer to UTF-16 code units and their count.
extern "C" {
void menivor_dom_make(const char16_t* tag, int tagLength, const char16_t* id, int idLength,
                      const char16_t* parent, int parentLength);
void menivor_dom_remove(const char16_t* id, int idLength);
void menivor_dom_set_attribute(const char16_t* id, int idLength, const char16_t* name, int nameLength,
                               const char16_t* value, int valueLength);
void menivor_dom_set_style(const char16_t* id, int idLength, const char16_t* name, int nameLength,
                           const char16_t* value, int valueLength);
void menivor_dom_set_text(const char16_t* id, int idLength, const char16_t* text, int textLength);
void menivor_dom_set_value(const char16_t* id, int idLength, const char16_t* text, int textLength);
int menivor_dom_read(const char16_t* id, int idLength, int what, int index, char16_t* buffer, int capacity);
void menivor_dom_list_make(const char16_t* id, int idLength);
void menivor_dom_list_rows(const char16_t* id, int idLength, int rows);
void menivor_dom_list_add(const char16_t* id, int idLength, const char16_t* text, int textLength);
void menivor_dom_list_clear(const char16_t* id, int idLength);
int menivor_dom_list_count(const char16_t* id, int idLength);
int menivor_dom_list_selected(const char16_t* id, int idLength);
void menivor_dom_list_select(const char16_t* id, int idLength, int index);
void menivor_dom_listen(const char16_t* id, int idLength, const char16_t* type, int typeLength,
                        const menivor::web::Listener* handler);
void menivor_dom_focus(const char16_t* id, int idLength);
void menivor_dom_show_modal(const char16_t* id, int idLength);
void menivor_dom_close(const char16_t* id, int idLength);
void menivor_dom_set_title(const char16_t* text, int textLength);
void menivor_dom_viewport(double* out);
void menivor_dom_today(int* out);
bool menivor_dom_picture_size(const char16_t* name, int nameLength, int* out);
void menivor_dom_show_picture(const char16_t* id, int idLength, const char16_t* name, int nameLength, bool dense);

// The page calls this for each event that a Listener waits for.
EMSCRIPTEN_KEEPALIVE void menivor_web_event(const menivor::web::Listener* listener)
{
    // The form's handlers catch their own errors (the form's boundary); what could still come
    // here is the layer's own fault, which must not stop the page: it goes to the console.
    try {
        listener->Run();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "menivor: %s\n", error.what());
    }
}
}

namespace menivor::web {

namespace {

// The pointer and length that dom.js takes for a text.
#define MENIVOR_TEXT(text) (text).data(), static_cast<int>((text).size())

// What menivor_dom_read reads, as dom.js's menivorReading names it.
enum Reading { ReadText = 0, ReadValue = 1, ReadEntry = 2 };

} // namespace

Element Element::Make(std::u16string_view tag, std::u16string id, const Element* parent)
{
    Element made(std::move(id));
    const std::u16string_view parentId = parent ? std::u16string_view(parent->id_) : std::u16string_view();
    menivor_dom_make(MENIVOR_TEXT(tag), MENIVOR_TEXT(made.id_), MENIVOR_TEXT(parentId));
    return made;
}

void Element::SetAttribute(std::u16string_view name, std::u16string_view value) const
{
    menivor_dom_set_attribute(MENIVOR_TEXT(id_), MENIVOR_TEXT(name), MENIVOR_TEXT(value));
}

void Element::SetStyle(std::u16string_view property, std::u16string_view value) const
{
    menivor_dom_set_style(MENIVOR_TEXT(id_), MENIVOR_TEXT(property), MENIVOR_TEXT(value));
}

void Element::SetText(std::u16string_view text) const
{
    menivor_dom_set_text(MENIVOR_TEXT(id_), MENIVOR_TEXT(text));
}

void Element::SetValue(std::u16string_view text) const
{
    menivor_dom_set_value(MENIVOR_TEXT(id_), MENIVOR_TEXT(text));
}

std::u16string Element::Read(int what, int index) const
{
    // Most texts here are short (dates, list entries); the buffer grows for the long ones.
    std::u16string text(64, u'\0');
    for (;;) {
        const int length = menivor_dom_read(MENIVOR_TEXT(id_), what, index, text.data(), int(text.size()));
        const bool fitted = std::size_t(length) <= text.size();
        text.resize(std::size_t(length));
        if (fitted)
            return text;
    }
}

std::u16string Element::Text() const
{
    return Read(ReadText, 0);
}

std::u16string Element::Value() const
{
    return Read(ReadValue, 0);
}

void Element::Focus() const
{
    menivor_dom_focus(MENIVOR_TEXT(id_));
}

void Element::Remove() const
{
    menivor_dom_remove(MENIVOR_TEXT(id_));
}

void Element::MakeListBox() const
{
    menivor_dom_list_make(MENIVOR_TEXT(id_));
}

void Element::SetRowsInView(int rows) const
{
    menivor_dom_list_rows(MENIVOR_TEXT(id_), rows);
}

void Element::AddEntry(std::u16string_view text) const
{
    menivor_dom_list_add(MENIVOR_TEXT(id_), MENIVOR_TEXT(text));
}

void Element::ClearEntries() const
{
    menivor_dom_list_clear(MENIVOR_TEXT(id_));
}

int Element::EntryCount() const
{
    return menivor_dom_list_count(MENIVOR_TEXT(id_));
}

int Element::SelectedEntry() const
{
    return menivor_dom_list_selected(MENIVOR_TEXT(id_));
}

void Element::SelectEntry(int index) const
{
    menivor_dom_list_select(MENIVOR_TEXT(id_), index);
}

std::u16string Element::EntryText(int index) const
{
    return Read(ReadEntry, index);
}

void Element::ShowModal() const
{
    menivor_dom_show_modal(MENIVOR_TEXT(id_));
}

void Element::Close() const
{
    menivor_dom_close(MENIVOR_TEXT(id_));
}

void Element::ShowPicture(std::u16string_view name, bool dense) const
{
    menivor_dom_show_picture(MENIVOR_TEXT(id_), MENIVOR_TEXT(name), dense);
}

Listener::Listener(const Element* target, std::u16string_view type, std::function<void()> handler)
    : handler_(std::move(handler))
{
    const std::u16string_view id = target ? std::u16string_view(target->Id()) : std::u16string_view();
    menivor_dom_listen(MENIVOR_TEXT(id), MENIVOR_TEXT(type), this);
}

void SetPageTitle(std::u16string_view title)
{
    menivor_dom_set_title(MENIVOR_TEXT(title));
}

Viewport ViewportOfPage()
{
    double values[4];
    menivor_dom_viewport(values);
    return {values[0], values[1], values[2], values[3] != 0};
}

std::chrono::year_month_day LocalDate()
{
    int values[3];
    menivor_dom_today(values);
    return std::chrono::year{values[0]} / std::chrono::month{unsigned(values[1])} / std::chrono::day{unsigned(values[2])};
}

std::optional<std::pair<int, int>> StoredPictureSize(std::u16string_view name)
{
    int size[2];
    if (!menivor_dom_picture_size(MENIVOR_TEXT(name), size))
        return std::nullopt;
    return std::pair{size[0], size[1]};
}

} // namespace menivor::web
