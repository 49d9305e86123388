// The worksheet's controls, built in code at the positions and sizes of a
// 96 dpi screen (pixels from the top-left corner of the client area, or of
// the panel that holds a control).
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "Client_area.h"
#include "Notes_box.h"
#include "Program_strings.h"
#include "Qt_text.h"
#include "TemplateForm.h"
#include "Title_buttons.h"
#include "Window_fonts.h"
#include "Window_keys.h"

namespace {

QFont Bold(QFont font)
{
    font.setBold(true);
    return font;
}

template <class Control>
Control* Make(QWidget* parent, const QString& name, int left, int top, int width, int height)
{
    auto* control = new Control(parent);
    control->setObjectName(name);
    control->setGeometry(left, top, width, height);
    return control;
}

QFrame* Make_panel(QWidget* parent, const QString& name, QFrame::Shadow bevel, int left, int top,
                   int width, int height)
{
    auto* panel = Make<QFrame>(parent, name, left, top, width, height);
    panel->setFrameStyle(QFrame::Panel | bevel);
    return panel;
}

QPushButton* Make_button(QWidget* parent, const QString& name, const QString& caption, int left,
                         int width)
{
    auto* button = Make<QPushButton>(parent, name, left, 506, width, 37);
    button->setText(caption);
    button->setFont(Bold(button->font()));
    return button;
}

}  // namespace

void TfrmTemplate::Build_controls()
{
    Set_title_buttons(*this, Title_buttons::Minimise_and_close);
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    setFont(System_font(13));
    // The client area is 792 x 573; the controls lie on it.
    auto* area = new Client_area(*this, {792, 573});
    QWidget* client = &area->Controls();

    DescripFld = Make<QPlainTextEdit>(client, "DescripFld", 12, 7, 768, 94);
    DescripFld->setReadOnly(true);
    DescripFld->setFocusPolicy(Qt::NoFocus);
    DescripFld->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    DescripFld->setBackgroundRole(QPalette::Button);
    DescripFld->viewport()->setBackgroundRole(QPalette::Button);
    DescripFld->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(DescripFld, &QPlainTextEdit::textChanged, this, &TfrmTemplate::DescripFldChange);

    Panel3 = Make_panel(client, "Panel3", QFrame::Raised, 12, 106, 768, 33);
    lblComments = new QLabel(Panel3);
    lblComments->setObjectName("lblComments");
    lblComments->setFont(Bold(lblComments->font()));
    lblComments->move(6, 8);

    Panel1 = Make_panel(client, "Panel1", QFrame::Raised, 12, 143, 768, 346);
    RadioGroup1 = Make<QGroupBox>(Panel1, "RadioGroup1", 16, 16, 185, 105);
    for (int i = 0; i < 3; ++i) {
        radio_items_[i] = Make<QRadioButton>(RadioGroup1, QString("RadioGroup1_%1").arg(i), 8, 22 + 27 * i, 170, 22);
        radio_items_[i]->setText(Qt_text(Limits_item_captions[static_cast<std::size_t>(i)]));
    }
    Build_input_slots(*Panel1);

    // The notes box lies over the right part of Panel3 and grows downwards
    // over the top of Panel1, so it is stacked above both.
    memoComments = Make<QPlainTextEdit>(client, "memoComments", 112, 110, 666, 25);
    memoComments->setFont(Report_font());
    memoComments->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memoComments->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memoComments->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Tab_leaves_text_box(*memoComments);
    memoComments->setAccessibleName(Qt_text(Notes_caption));
    Limit_text_length(*memoComments, Notes_max_length);
    Show_whole_lines(*memoComments);
    memoComments->installEventFilter(this);
    memoComments->raise();

    // The buttons lie over the pan1 strip, not inside it.
    pan1 = Make_panel(client, "pan1", QFrame::Sunken, 12, 500, 768, 49);
    // Where the controls scroll, the window opens with its buttons whole.
    area->Keep_in_view_when_shown(*pan1);
    cmdCompute = Make_button(client, "cmdCompute", Qt_text(Compute_caption), 28, 165);
    btnclearData = Make_button(client, "btnclearData", Qt_text(Clear_data_caption), 220, 161);
    ExitBtn = Make_button(client, "ExitBtn", "Exit", 603, 161);
    connect(cmdCompute, &QPushButton::clicked, this, &TfrmTemplate::cmdComputeClick);
    connect(btnclearData, &QPushButton::clicked, this, &TfrmTemplate::btnclearDataClick);
    connect(ExitBtn, &QPushButton::clicked, this, &TfrmTemplate::ExitBtnClick);
    Return_presses_buttons(*this);
    // Return and Enter in an input field press "Compute", as a dialog's
    // default button takes them; the notes keep them for their own lines.
    for (QLineEdit* field : inputs_)
        connect(field, &QLineEdit::returnPressed, cmdCompute, &QPushButton::click);

    Build_tab_order();
}

void TfrmTemplate::Build_input_slots(QFrame& panel)
{
    // Slots 1 to 4 stand one below the other, 40 pixels apart; the spare
    // slots 5 to 8 continue the column and stay hidden in this program.
    for (int slot = 0; slot < Slot_count; ++slot) {
        labels_[slot] = Make<QLabel>(&panel, QString("Label%1").arg(slot + 1), 288, 28 + 40 * slot, 393, 16);
        const QString field_name = slot == 7 ? QString("txtinput8") : QString("txtInput%1").arg(slot + 1);
        inputs_[slot] = Make<QLineEdit>(&panel, field_name, 688, 24 + 40 * slot, 56, 24);
        inputs_[slot]->setFont(Bold(inputs_[slot]->font()));
        inputs_[slot]->installEventFilter(this);
    }
}

void TfrmTemplate::Build_tab_order()
{
    QWidget* previous = inputs_[0];
    auto next = [&previous](QWidget* widget) {
        setTabOrder(previous, widget);
        previous = widget;
    };
    for (int slot = 1; slot < Slot_count; ++slot)
        next(inputs_[slot]);
    for (QRadioButton* item : radio_items_)
        next(item);
    next(memoComments);
    next(cmdCompute);
    next(btnclearData);
    next(ExitBtn);
}
