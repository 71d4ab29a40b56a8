// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/qt/menivorwindow.h"

#include "platform/qt/announcement.h"
#include "platform/qt/colourbutton.h"
#include "platform/qt/edges.h"
#include "platform/qt/focusframe.h"
#include "platform/qt/listbox.h"
#include "platform/qt/picturebox.h"
#include "platform/qt/text.h"
#include "platform/qt/textbox.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QWindow>
#include <QTimer>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace menivor::qt {

namespace {

QColor ColourOf(Colour colour)
{
    return QColor(colour.red, colour.green, colour.blue);
}

// Every colour the window and its controls show, in every state, so that no desktop colour
// scheme can change them.
QPalette DesignedPalette()
{
    const FormDesign& form = menivor::Form;
    QPalette palette;
    const auto set = [&palette](QPalette::ColorRole role, QColor colour) {
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            palette.setColor(group, role, colour);
    };
    set(QPalette::Window, ColourOf(form.backColour));
    set(QPalette::WindowText, ColourOf(form.textColour));
    set(QPalette::Base, ColourOf(form.fieldColour));
    set(QPalette::AlternateBase, ColourOf(form.fieldColour));
    set(QPalette::Text, ColourOf(form.textColour));
    set(QPalette::PlaceholderText, ColourOf(form.textColour));
    set(QPalette::Button, QColor(224, 224, 224)); // scroll bars
    set(QPalette::ButtonText, ColourOf(form.textColour));
    set(QPalette::BrightText, ColourOf(form.selectedTextColour));
    set(QPalette::Highlight, ColourOf(form.selectionColour));
    set(QPalette::HighlightedText, ColourOf(form.selectedTextColour));
    set(QPalette::ToolTipBase, ColourOf(form.fieldColour));
    set(QPalette::ToolTipText, ColourOf(form.textColour));
    set(QPalette::Link, ColourOf(form.selectionColour));
    set(QPalette::LinkVisited, ColourOf(form.selectionColour));
    SetEdgeShades(palette);
    return palette;
}

} // namespace

MenivorWindow::MenivorWindow(const Clock& clock, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::MSWindowsFixedSizeDialogHint)
{
    SetUpWindow();
    // Qt's pixels are device-independent: the layout at 96 dpi, scaled as a whole on dense screens.
    form_.emplace(static_cast<ControlFactory&>(*this), 96, clock, static_cast<ErrorReporter&>(*this),
                  static_cast<Announcer&>(*this));
    SetUpFocusFrame();
    PlaceOnScreen();
    form_->Load();
}

void MenivorWindow::SetUpWindow()
{
    setObjectName(ToQString(menivor::Form.name));
    setWindowTitle(ToQString(menivor::Form.caption));
    setWindowIcon(QIcon(u":/assets/menivor.png"_s));
    setFixedSize(ClientWidth, ClientHeight);
    setPalette(DesignedPalette());
    setAutoFillBackground(true);
    // The size is in pixels like the layout (12 points are 16 pixels at 96 dpi), so that text and
    // boxes scale together. Fontconfig stands in a metric twin where the face is missing.
    QFont font(ToQString(menivor::Form.fontFace));
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(FontPixelsOf(menivor::Form.fontPoints));
    font.setWeight(QFont::Weight(menivor::Form.fontWeight));
    setFont(font);
}

template <class Widget>
Widget& MenivorWindow::Place(Widget* widget, const ControlDesign& design, PixelBox place)
{
    // Set on each control as well: a desktop theme may give a class of widgets its own.
    widget->setPalette(widget->palette().resolve(palette()));
    widget->setObjectName(ToQString(ControlName(design)));
    widget->setGeometry(place.left, place.top, place.width, place.height);
    if (!design.accessibleName.empty())
        widget->setAccessibleName(ToQString(design.accessibleName));
    if (!design.accessibleDescription.empty())
        widget->setAccessibleDescription(ToQString(design.accessibleDescription));
    widget->setFocusPolicy(TakesFocus(design.kind) ? Qt::StrongFocus : Qt::NoFocus);
    // The window opens with the focus on the first control of the Tab order.
    if (TakesFocus(design.kind) && !focusWidget())
        widget->setFocus();
    return *widget;
}

void MenivorWindow::MakeLabel(const ControlDesign& design, PixelBox place)
{
    auto* label = new QLabel(ToQString(design.text), this);
    QPalette palette = DesignedPalette();
    palette.setColor(QPalette::Window, ColourOf(menivor::Form.labelColour));
    label->setPalette(palette);
    label->setAutoFillBackground(true);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Place(label, design, place);
}

ListControl& MenivorWindow::MakeList(const ControlDesign& design, PixelBox place, std::function<void()> clicked)
{
    auto* list = new ListBox(this);
    list->SetClickHandler(std::move(clicked));
    return Place(list, design, place);
}

TextControl& MenivorWindow::MakeTextBox(const ControlDesign& design, PixelBox place)
{
    if (design.lines == TextLines::One)
        return Place(new LineBox(this), design, place);
    return Place(new TextBox(this), design, place);
}

void MenivorWindow::MakeButton(const ControlDesign& design, PixelBox place, std::function<void()> pressed)
{
    auto* button = new ColourButton(ToQString(design.text), ColourOf(menivor::Form.buttonColour), this);
    button->setAutoDefault(true); // Enter presses it when it has the focus, like Space
    connect(button, &QPushButton::clicked, this, std::move(pressed));
    calculateButton_ = &Place(button, design, place);
}

PictureControl& MenivorWindow::MakePictureBox(const ControlDesign& design, PixelBox place)
{
    return Place(new PictureBox(this), design, place);
}

PictureRef MenivorWindow::LoadPicture(std::u16string_view name)
{
    return std::make_shared<QtPicture>(ToQString(name), qApp->devicePixelRatio());
}

void MenivorWindow::SetUpFocusFrame()
{
    focusFrame_ = new FocusFrame(ColourOf(menivor::Form.focusColour), menivor::Form.focusFrameWidth, this);
    focusFrame_->setObjectName(u"FocusFrame"_s);
    // The frame, not the window, is the connection's context: it touches nothing of the window's
    // own, so that it is safe while the window is being destroyed (see the destructor).
    FocusFrame* frame = focusFrame_;
    connect(qApp, &QApplication::focusChanged, frame, [frame](QWidget*, QWidget* now) {
        frame->Follow(now && now->window() == frame->window() ? now : nullptr);
    });
}

MenivorWindow::~MenivorWindow()
{
    // Deleting the controls moves the focus; the frame stops following before that.
    disconnect(qApp, &QApplication::focusChanged, focusFrame_, nullptr);
}

void MenivorWindow::PlaceOnScreen()
{
    // Centred on the screen as a whole, frame included, but never with the title bar above the
    // screen's top. The frame's size is known only once the window manager has framed the window:
    // until then the window is centred as if it had none, and event() centres it again then.
    if (const QScreen* screen = QApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        const QMargins margins = windowHandle() ? windowHandle()->frameMargins() : QMargins();
        QRect frame(QPoint(), size().grownBy(margins));
        frame.moveCenter(available.center());
        move(std::max(frame.left(), available.left()), std::max(frame.top(), available.top()));
    }
}

bool MenivorWindow::event(QEvent* event)
{
    const bool handled = QWidget::event(event);
    // The first move or resize after the frame is known (the window manager has framed it).
    if (!centredWithFrame_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize) && windowHandle()
        && !windowHandle()->frameMargins().isNull()) {
        centredWithFrame_ = true;
        PlaceOnScreen();
    }
    return handled;
}

void MenivorWindow::Announce(std::u16string_view text)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(calculateButton_, ToQString(text));
    QAccessible::updateAccessibility(&event);
#else
    // Made at the first result, so that nothing of it is before a screen reader until then.
    if (!announcement_)
        announcement_ = new Announcement(this);
    announcement_->Tell(ToQString(text));
#endif
}

void MenivorWindow::ReportError(std::u16string_view message)
{
    auto* box = new QMessageBox(QMessageBox::Critical, windowTitle(), ToQString(menivor::Form.errorHeading),
                                QMessageBox::Ok, this);
    box->setObjectName(u"RuntimeErrorBox"_s);
    box->setInformativeText(ToQString(message));
    box->setAttribute(Qt::WA_DeleteOnClose);
    // After the handler has returned, and after the window is shown when it is the load's error.
    QTimer::singleShot(0, box, [box] { box->open(); });
}

} // namespace menivor::qt
