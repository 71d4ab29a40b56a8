// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/menivor.h"

#include "phase/phase.h"
#include "phase/phase_table.h"
#include "phase/runtime_error.h"
#include "platform/conversions.h"
#include "window/datelists.h"
#include "window/designed_texts.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace menivor {

namespace {

// The real address goes here once the project has one; .example is reserved and leads nowhere.
constexpr QStringView ProjectAddress = u"https://menivor.example";
constexpr QStringView Caption = u"Астрономия - лунен месец, фази";

constexpr QColor BackColour(192, 192, 255);
constexpr QColor LabelColour(255, 192, 128);
constexpr QColor ButtonColour(0, 255, 0);

// Layout unit: 1/1440 inch, 15 to a pixel at 96 dots per inch.
constexpr int Pixels(int twips) { return twips / 15; }

QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// A picture from the program's resources. Screens with more than one device pixel to a pixel
// get the version drawn at twice the size, which Qt shows at the same size in pixels.
QPixmap LoadPicture(const QString& name)
{
    if (qApp->devicePixelRatio() > 1) {
        QPixmap sharp(u":/assets/"_s + name + u"@2x.jpg"_s);
        sharp.setDevicePixelRatio(2);
        return sharp;
    }
    return QPixmap(u":/assets/"_s + name + u".jpg"_s);
}

} // namespace

Menivor::Menivor(const Clock& clock, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , clock_(clock)
{
    BuildControls();
    RunHandler([this] { Form_Load(); });
}

void Menivor::BuildControls()
{
    setObjectName(u"Menivor"_s);
    setWindowTitle(ProjectAddress.toString() + u' ' + Caption.toString());
    setWindowIcon(QIcon(u":/assets/menivor.png"_s));
    setFixedSize(ClientWidth, ClientHeight);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, BackColour);
    setPalette(palette);
    setAutoFillBackground(true);
    // Times New Roman 12 points is 16 pixels at 96 dpi; the size is in pixels like the layout, so
    // that text and boxes scale together. Fontconfig stands in a metric twin where it is missing.
    QFont font(u"Times New Roman"_s);
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(16);
    setFont(font);

    const auto makeLabel = [this](const QString& text) {
        auto* label = new QLabel(text, this);
        QPalette labelPalette = label->palette();
        labelPalette.setColor(QPalette::Window, LabelColour);
        label->setPalette(labelPalette);
        label->setAutoFillBackground(true);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        return label;
    };
    Label1[0] = makeLabel(u"Физика (Астрономия) - фази на Луната"_s);
    Label2[0] = makeLabel(u"Ден"_s);
    Label2[1] = makeLabel(u"Месец"_s);
    Label2[2] = makeLabel(u"Година"_s);
    for (std::int16_t i = 0; i < 3; ++i) {
        List1[i] = new ListBox(this);
        List1[i]->SetClickHandler([this, i] { RunHandler([this, i] { List1_Click(i); }); });
    }
    Text2 = new LineBox(this);
    Command1 = new ColourButton(u"Изчисли"_s, ButtonColour, this);
    Command1->setAutoDefault(true); // Enter presses it when it has the focus, like Space
    connect(Command1, &QPushButton::clicked, this, [this] { RunHandler([this] { Command1_Click(); }); });
    for (auto& box : Picture1)
        box = new PictureBox(this);
    Picture1[0]->SetPicture(LoadPicture(u"cycle"_s));
    for (std::int16_t phase = 0; phase < PhaseCount; ++phase)
        PictureAt(PictureSlotOf(phase)).SetPicture(LoadPicture(u"phase%1"_s.arg(phase)));
    Picture1[9]->SetPicture(Picture1[2]->Picture());
    Text1[0] = new TextBox(this);
    Text1[0]->SetText(ReadingText.toString());
    Text1[1] = new TextBox(this);
    Text1[1]->SetText(QuotationText.toString());

    // Every control: name, place and size in twips, tab index, and whether it is ever shown.
    struct Control {
        QWidget* widget;
        const char16_t* name;
        int left, top, width, height, tab;
        bool shown;
    };
    const Control controls[] = {
        {Label1[0], u"Label1(0)", 960, 0, 5055, 375, 2, true},
        {Label2[0], u"Label2(0)", 4080, 480, 855, 375, 16, true},
        {Label2[1], u"Label2(1)", 5040, 480, 855, 375, 18, true},
        {Label2[2], u"Label2(2)", 6000, 480, 855, 375, 20, true},
        {List1[0], u"List1(0)", 4080, 840, 855, 1200, 15, true},
        {List1[1], u"List1(1)", 5040, 840, 855, 1200, 17, true},
        {List1[2], u"List1(2)", 6000, 840, 855, 1200, 19, true},
        {Text2, u"Text2", 4080, 2640, 1335, 495, 3, true},
        {Command1, u"Command1", 5640, 2640, 1215, 495, 4, true},
        {Picture1[0], u"Picture1(0)", 120, 480, 3810, 3765, 5, true},
        {Picture1[1], u"Picture1(1)", 4080, 4200, 750, 885, 6, false},
        {Picture1[2], u"Picture1(2)", 4320, 4200, 750, 885, 7, false},
        {Picture1[3], u"Picture1(3)", 4560, 4200, 750, 885, 8, false},
        {Picture1[4], u"Picture1(4)", 4800, 4200, 750, 885, 9, false},
        {Picture1[5], u"Picture1(5)", 5040, 4200, 840, 885, 10, false},
        {Picture1[6], u"Picture1(6)", 5280, 4200, 750, 885, 11, false},
        {Picture1[7], u"Picture1(7)", 5520, 4200, 750, 885, 12, false},
        {Picture1[8], u"Picture1(8)", 5760, 4200, 750, 885, 13, false},
        {Picture1[9], u"Picture1(9)", 5160, 3240, 750, 885, 14, true},
        {Text1[0], u"Text1(0)", 120, 4440, 6735, 1815, 0, true},
        {Text1[1], u"Text1(1)", 600, 4680, 6735, 1815, 1, false},
    };
    std::vector<const Control*> byTab;
    for (const Control& control : controls) {
        control.widget->setObjectName(QString::fromUtf16(control.name));
        control.widget->setGeometry(Pixels(control.left), Pixels(control.top), Pixels(control.width),
                                    Pixels(control.height));
        control.widget->setVisible(control.shown);
        byTab.push_back(&control);
    }
    // Labels and pictures take no focus; the rest are visited in the order of their tab index.
    std::sort(byTab.begin(), byTab.end(), [](auto a, auto b) { return a->tab < b->tab; });
    QWidget* previous = nullptr;
    for (const Control* control : byTab) {
        if (control->widget->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            setTabOrder(previous, control->widget);
        previous = control->widget;
    }
    Text1[0]->setFocus();

    // What a screen reader says of each control; the captions speak for themselves.
    List1[DayList]->setAccessibleName(u"Ден"_s);
    List1[MonthList]->setAccessibleName(u"Месец"_s);
    List1[YearList]->setAccessibleName(u"Година"_s);
    Text2->setAccessibleName(u"Дата"_s);
    Text2->setAccessibleDescription(u"Датата на изчислението: месец, ден, година"_s);
    Command1->setAccessibleName(u"Изчисли"_s);
    Command1->setAccessibleDescription(u"Показва фазата на Луната за избраната дата"_s);
    Text1[0]->setAccessibleName(u"Описание"_s);
    Picture1[0]->setAccessibleName(u"Лунен цикъл"_s);
    Picture1[0]->setAccessibleDescription(
        u"Земята в средата и осемте фази на Луната в кръг около нея: новолуние горе, после по "
        "часовниковата стрелка нарастващ сърп, първа четвърт, нарастваща Луна, пълнолуние долу, "
        "намаляваща Луна, последна четвърт и намаляващ сърп"_s);
    for (std::int16_t phase = 0; phase < PhaseCount; ++phase)
        PictureAt(PictureSlotOf(phase)).setAccessibleName(FromUtf8(PhaseNameOf(phase).value()));
    Picture1[9]->setAccessibleDescription(u"Фазата на Луната на избраната дата"_s);

    // Open centred on the screen, but never with the title bar above its top-left corner.
    if (const QScreen* screen = QApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        QRect frame(QPoint(), size());
        frame.moveCenter(available.center());
        move(std::max(frame.left(), available.left()), std::max(frame.top(), available.top()));
    }
}

PictureBox& Menivor::PictureAt(std::int16_t slot)
{
    if (slot < 0 || slot >= std::int16_t(Picture1.size()))
        ThrowBadListIndex(slot, std::int16_t(Picture1.size()));
    return *Picture1[std::size_t(slot)];
}

template <class Handler>
void Menivor::RunHandler(Handler&& handler)
{
    if (handlerDepth_ > 0) {
        handler();
        return;
    }
    const QString text2 = Text2->Text();
    const QString text1 = Text1[0]->Text();
    const QPixmap display = Picture1[9]->Picture();
    const QString displayName = Picture1[9]->accessibleName();
    const std::int16_t phaseIndex = PhaseIndex;
    const double cyclePosition = CyclePosition;
    ++handlerDepth_;
    try {
        handler();
        --handlerDepth_;
    } catch (const std::exception& error) {
        --handlerDepth_;
        Text2->SetText(text2);
        if (Text1[0]->Text() != text1)
            Text1[0]->SetText(text1);
        Picture1[9]->SetPicture(display);
        Picture1[9]->setAccessibleName(displayName);
        PhaseIndex = phaseIndex;
        CyclePosition = cyclePosition;
        ReportError(QString::fromUtf8(error.what()));
    }
}

void Menivor::ReportError(const QString& message)
{
    auto* box = new QMessageBox(QMessageBox::Critical, windowTitle(), u"Грешка при изпълнение"_s,
                                QMessageBox::Ok, this);
    box->setObjectName(u"RuntimeErrorBox"_s);
    box->setInformativeText(message);
    box->setAttribute(Qt::WA_DeleteOnClose);
    // After the handler has returned, and after the window is shown when it is the load's error.
    QTimer::singleShot(0, box, [box] { box->open(); });
}

DateListArray Menivor::DateLists() const
{
    return {List1[DayList], List1[MonthList], List1[YearList]};
}

void Menivor::FillDateLists()
{
    menivor::FillDateLists(DateLists());
}

void Menivor::List1_Click(std::int16_t Index)
{
    DateListClick(DateLists(), Index);
}

void Menivor::Form_Load()
{
    FillDateLists();
    Text2->SetText(DateTextOf(clock_.Today()));
    CalculatePhase();
    const double monthIndex = NumericValueOf(SliceOf(Text2->Text(), 1, 2)) - 1;
    const double dayIndex = NumericValueOf(SliceOf(Text2->Text(), 4, 2)) - 1;
    const double yearIndex = NumericValueOf(SliceOf(Text2->Text(), 7, 4)) - FirstYear;
    List1[MonthList]->SetListIndex(ToInt16HalfEven(monthIndex));
    // A today outside the lists' years opens on the nearest year they offer, and on today's day
    // clamped to the month's length in that year (29 February 2080 opens on 28 February 2079).
    List1[YearList]->SetListIndex(ToInt16HalfEven(std::clamp(yearIndex, 0.0, double(LastYear - FirstYear))));
    List1[DayList]->SetListIndex(ToInt16HalfEven(std::min(dayIndex, List1[DayList]->ListCount() - 1.0)));
}

void Menivor::CalculatePhase()
{
    CyclePosition = DateValueOfText(Text2->Text().toStdString());
    CyclePosition = CycleCountOf(CyclePosition);
    CyclePosition = CycleFractionOf(CyclePosition);
    PhaseIndex = PhaseIndexOfFraction(CyclePosition);
    PictureBox& phasePicture = PictureAt(PictureSlotOf(PhaseIndex));
    Picture1[9]->SetPicture(phasePicture.Picture());
    Picture1[9]->setAccessibleName(phasePicture.accessibleName());
}

void Menivor::Command1_Click()
{
    QString dateText;
    dateText += List1[MonthList]->List(List1[MonthList]->ListIndex());
    dateText += u'-';
    std::int16_t dayIndex = List1[DayList]->ListIndex();
    if (dayIndex < 0) { // no day picked since the last month or year: day 1, shown as picked
        dayIndex = 0;
        List1[DayList]->SetListIndex(0);
    }
    dateText += List1[DayList]->List(dayIndex);
    dateText += u'-';
    dateText += List1[YearList]->List(List1[YearList]->ListIndex());
    Text2->SetText(dateText);
    CalculatePhase();
    if (const auto description = DescriptionOf(PhaseIndex))
        Text1[0]->SetText(FromUtf8(*description));
}

} // namespace menivor
