// The schematic window's controls: top bar, palette, surface, text panel
// and menus.
#include "editor/app/FormSch.h"

#include <QAction>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

#include "editor/app/ElementDialogWindows.h"
#include "editor/app/ListBox.h"
#include "editor/app/SchematicGlyphs.h"
#include "editor/app/SpeedGlyphs.h"
#include "editor/drawing/Surface.h"
#include "editor/files/SubcircuitFiles.h"
#include "editor/subcircuits/SubcircuitList.h"
#include "platform/Application.h"
#include "platform/CanvasView.h"
#include "platform/Latin1.h"
#include "platform/PathText.h"

namespace {

constexpr int kPartButton = 44;

}  // namespace

TFormSch::TFormSch(bool subcircuit, PartClipboard& pasteList, SchematicForms& forms, std::string programFolder,
                   QWidget* parent)
    : SchematicChild(parent), programFolder_(std::move(programFolder)), forms_(forms)
{
    resize(800, 600);
    BuildTopBar();
    BuildPalette();
    BuildSurface();
    editor_ = std::make_unique<SchematicEditor>(PBox->Canvas(), pasteList, forms_.Elements,
                                                SubcktFolder(programFolder_), subcircuit);
    BuildMenus();

    auto* body = new QHBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(0);
    body->addWidget(Panel3);
    body->addWidget(ScrollBox1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel1);
    layout->addLayout(body, 1);

    if (subcircuit)
        SetSubcircuitMode();
    else
        for (const std::string& name : SubcircuitNames(SubcktFolder(programFolder_))) {
            // The file name's bytes as they are, whatever the name shows.
            auto* item = new QListWidgetItem(PathText(name), ListSub);
            item->setData(Qt::UserRole, Latin1(name));
        }
    // The window sees the keys released in any of its controls first.
    for (QWidget* control : findChildren<QWidget*>())
        control->installEventFilter(this);
    Refresh();
}

TFormSch::~TFormSch() = default;

QToolButton* TFormSch::ToolButton(QWidget* panel, const char* name, const char* hint, const QIcon& icon)
{
    auto* button = new QToolButton(panel);
    button->setObjectName(name);
    button->setAutoRaise(true);
    button->setIcon(icon);
    button->setIconSize(QSize(28, 28));
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolTip(Latin1(hint));
    button->setStatusTip(Latin1(hint));
    return button;
}

void TFormSch::BuildTopBar()
{
    Panel1 = new QFrame(this);
    Panel1->setFrameShape(QFrame::StyledPanel);
    auto* row = new QHBoxLayout(Panel1);
    row->setContentsMargins(2, 2, 2, 2);
    row->setSpacing(1);
    auto add = [&](const char* name, const char* hint, const QIcon& icon, void (TFormSch::*command)()) {
        QToolButton* button = ToolButton(Panel1, name, hint, icon);
        connect(button, &QToolButton::clicked, this, Guarded(this, command));
        row->addWidget(button);
        return button;
    };
    auto addKind = [&](const char* name, const char* hint, char kind) {
        QToolButton* button = ToolButton(Panel1, name, hint, PartIcon(kind));
        connect(button, &QToolButton::clicked, this, [this, button] { RunGuarded([&] { GConduttanzaClick(button); }); });
        row->addWidget(button);
        return button;
    };
    GrigliaButt = add("GrigliaButt", "Grid", ToolIcon(Tool::Grid), &TFormSch::GrigliaButtClick);
    GrigliaButt->setCheckable(true);
    GrigliaButt->setChecked(true);
    row->addSpacing(8);
    ButtCopy = add("ButtCopy", "Copy", GlyphIcon(Glyph::Copy), &TFormSch::ButtCopyClick);
    ButtCut = add("ButtCut", "Cut", ToolIcon(Tool::Cut), &TFormSch::ButtCutClick);
    ButtPaste = add("ButtPaste", "Paste", ToolIcon(Tool::Paste), &TFormSch::ButtPasteClick);
    row->addSpacing(8);
    Testo = add("Testo", "Text", ToolIcon(Tool::Text), &TFormSch::TestoClick);
    Filo = add("Filo", "Wire", ToolIcon(Tool::Wire), &TFormSch::FiloClick);
    ground = addKind("ground", "Ground", 'g');
    vOut = addKind("vOut", "Voltage Out", 'v');
    iCurrOut = addKind("iCurrOut", "Current Out", 'i');
    row->addSpacing(8);
    ChkNodi = add("ChkNodi", "Check Nodes", ToolIcon(Tool::CheckNodes), &TFormSch::ChkNodiClick);
    ButtApprox = add("ButtApprox", "Approximated Analysis", ToolIcon(Tool::Approximate), &TFormSch::ButtApproxClick);
    ButtAnalisi = add("ButtAnalisi", "Analysis", ToolIcon(Tool::Analyse), &TFormSch::ButtAnalisiClick);
    SaveSub = add("SaveSub", "Save SubCircuit", ToolIcon(Tool::SaveSubcircuit), &TFormSch::Saveassubc1Click);
    SaveSub->hide();
    row->addSpacing(8);
    ButtHelp = add("ButtHelp", "Help", GlyphIcon(Glyph::Help), &TFormSch::ButtHelpClick);
    Exit = add("Exit", "Exit", GlyphIcon(Glyph::Exit), &TFormSch::ExitClick);
    row->addStretch();
}

void TFormSch::BuildPalette()
{
    Panel3 = new QFrame(this);
    Panel3->setFrameShape(QFrame::StyledPanel);
    Panel3->setFixedWidth(2 * kPartButton + 8);
    auto* column = new QVBoxLayout(Panel3);
    column->setContentsMargins(2, 2, 2, 2);
    column->setSpacing(1);
    Cursore = ToolButton(Panel3, "Cursore", "", ToolIcon(Tool::Pointer));
    Cursore->setToolTip("");
    Cursore->setStatusTip("");
    Cursore->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(Cursore, &QToolButton::clicked, this, Guarded(this, &TFormSch::CursoreClick));
    column->addWidget(Cursore);

    auto* grid = new QGridLayout;
    grid->setSpacing(1);
    int at = 0;
    auto place = [&](QToolButton* button) {
        button->setFixedSize(kPartButton, kPartButton);
        button->setIconSize(QSize(kPartButton - 6, kPartButton - 6));
        grid->addWidget(button, at / 2, at % 2);
        ++at;
        return button;
    };
    auto simple = [&](const char* name, const char* hint) {
        QToolButton* button = ToolButton(Panel3, name, hint, PartIcon(name[0], QString(QChar(name[0]))));
        connect(button, &QToolButton::clicked, this, [this, button] { RunGuarded([&] { GConduttanzaClick(button); }); });
        return place(button);
    };
    auto model = [&](const char* name, const char* hint, char kind, const QString& letter,
                     void (TFormSch::*command)()) {
        QToolButton* button = ToolButton(Panel3, name, hint, PartIcon(kind, letter));
        connect(button, &QToolButton::clicked, this, Guarded(this, command));
        return place(button);
    };
    Resistore = simple("Resistore", "Resistor");
    GConduttanza = simple("GConduttanza", "Conductance");
    Condens = simple("Condens", "Capacitor");
    LIndutt = simple("LIndutt", "Inductor");
    VTensione = simple("VTensione", "Voltage Source");
    ICorrente = simple("ICorrente", "Current Source");
    HVCCS = simple("HVCCS", "Voltage Controlled Current Source");
    YCCVS = simple("YCCVS", "Current Controlled Voltage Source");
    EVCVS = simple("EVCVS", "Voltage Controlled Voltage Source");
    FCCCS = simple("FCCCS", "Current Controlled Current Source");
    OpAmp = simple("OpAmp", "OpAmp");
    MosfetButt = model("MosfetButt", "Mosfet", 'M', "M", &TFormSch::MosfetButtClick);
    BJTpButt = model("BJTpButt", "BJT II\xB0", 'q', QString::fromUtf8("\u03c0"), &TFormSch::BJTpButtClick);
    BJThButt = model("BJThButt", "BJT Hybrid", 'Q', "h", &TFormSch::BJThButtClick);
    nTrasf = simple("nTrasf", "Ideal Transformer");
    Kmut = simple("Kmut", "Mutual Inductance");
    column->addLayout(grid);

    ListSub = new ListBox(Panel3);
    ListSub->setObjectName("ListSub");
    ListSub->setFrameShape(QFrame::NoFrame);
    ListSub->setToolTip("SubCircuits");
    connect(ListSub, &ListBox::Click, this, Guarded(this, &TFormSch::ListSubClick));
    column->addWidget(ListSub, 1);
}

void TFormSch::BuildSurface()
{
    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName("ScrollBox1");
    // The surface lies 10 pixels left of the box's origin: its first column
    // of grid points is hidden.
    auto* content = new QWidget;
    content->setFixedSize(SurfaceWidth - 10, SurfaceHeight);
    PBox = new CanvasView(content);
    PBox->setObjectName("PBox");
    PBox->SetFixedSurface(SurfaceWidth, SurfaceHeight);
    PBox->move(-10, 0);
    PBox->setFocusPolicy(Qt::ClickFocus);
    ScrollBox1->setWidget(content);
    connect(PBox, &CanvasView::MouseDown, this, Guarded(this, &TFormSch::PBoxMouseDown));
    connect(PBox, &CanvasView::MouseMove, this, Guarded(this, &TFormSch::PBoxMouseMove));
    connect(PBox, &CanvasView::MouseUp, this, Guarded(this, &TFormSch::PBoxMouseUp));

    PanelText = new QFrame(ScrollBox1->viewport());
    PanelText->setObjectName("PanelText");
    PanelText->setFrameShape(QFrame::Panel);
    PanelText->setFrameShadow(QFrame::Raised);
    PanelText->setAutoFillBackground(true);
    EditText = new QLineEdit(PanelText);
    EditText->setObjectName("EditText");
    EditText->setMinimumWidth(220);
    ApiceBut = ToolButton(PanelText, "ApiceBut", "Superscript", QIcon());
    PediceBut = ToolButton(PanelText, "PediceBut", "Subscript", QIcon());
    ApiceBut->setText(QString::fromUtf8("x\u00b2"));
    PediceBut->setText(QString::fromUtf8("x\u2082"));
    for (QToolButton* toggle : {ApiceBut, PediceBut}) {
        toggle->setCheckable(true);
        toggle->setToolButtonStyle(Qt::ToolButtonTextOnly);
    }
    TextOk = new QPushButton("Ok", PanelText);
    TextCanc = new QPushButton("Canc", PanelText);
    for (QPushButton* button : {TextOk, TextCanc}) {
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoDefault(false);
    }
    auto* row = new QHBoxLayout(PanelText);
    row->setContentsMargins(4, 4, 4, 4);
    row->addWidget(EditText);
    row->addWidget(ApiceBut);
    row->addWidget(PediceBut);
    row->addWidget(TextOk);
    row->addWidget(TextCanc);
    PanelText->adjustSize();
    PanelText->move(8, 8);
    PanelText->hide();
    connect(EditText, &QLineEdit::textChanged, this, [this](const QString& text) { editor_->Text().Text = Bytes(text); });
    connect(TextOk, &QPushButton::clicked, this, Guarded(this, &TFormSch::TextOkClick));
    connect(TextCanc, &QPushButton::clicked, this, Guarded(this, &TFormSch::TextCancClick));
    connect(ApiceBut, &QToolButton::clicked, this, Guarded(this, &TFormSch::ApiceButClick));
    connect(PediceBut, &QToolButton::clicked, this, Guarded(this, &TFormSch::PediceButClick));
}

void TFormSch::BuildMenus()
{
    Get1 = new QMenu("&Get", this);
    auto kindItem = [this](QMenu* menu, const char* name, const char* caption) {
        QAction* item = menu->addAction(caption);
        item->setObjectName(name);
        connect(item, &QAction::triggered, this, [this, item] { RunGuarded([&] { GConduttanzaClick(item); }); });
        return item;
    };
    auto item = [this](QMenu* menu, const char* name, const char* caption, void (TFormSch::*command)()) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, Guarded(this, command));
        return action;
    };
    kindItem(Get1, "Resistor1", "Resistor");
    kindItem(Get1, "GConductance1", "Conductance");
    kindItem(Get1, "Capacitor1", "Capacitor");
    kindItem(Get1, "LInductor1", "Inductor");
    VoltageSource1 = kindItem(Get1, "VoltageSource1", "Voltage Source");
    ICurrentSource1 = kindItem(Get1, "ICurrentSource1", "Current Source");
    kindItem(Get1, "HVoltageControlledCurrentSource1", "Voltage Controlled Current Source");
    kindItem(Get1, "YCurrentControlledVoltageSource1", "Current Controlled Voltage Source");
    kindItem(Get1, "EVoltageControlledVoltageSource1", "Voltage Controlled Voltage Source");
    kindItem(Get1, "FCurrentControlledCurrentSource1", "Current Controlled Current Source");
    kindItem(Get1, "OperationalAmplifier1", "Operational Amplifier");
    item(Get1, "Mosfet1", "Mosfet ", &TFormSch::MosfetButtClick);
    item(Get1, "BJTh1", "BJT h", &TFormSch::BJThButtClick);
    item(Get1, "BJTpi1", "BJT pi", &TFormSch::BJTpButtClick);
    kindItem(Get1, "nIdealTransformer1", "Ideal Transformer");
    kindItem(Get1, "KMutualInductance1", "Mutual Inductance");
    Get1->addSeparator();
    item(Get1, "Text1", "Text", &TFormSch::TestoClick);
    item(Get1, "Wire1", "Wire", &TFormSch::FiloClick);
    kindItem(Get1, "gGround1", "Ground");
    kindItem(Get1, "vVoltageOut1", "Voltage Out");
    // Its name does not start with its kind letter: it places what the
    // button "Current Out" places.
    CurrentOut1 = Get1->addAction("Current Out");
    CurrentOut1->setObjectName("CurrentOut1");
    connect(CurrentOut1, &QAction::triggered, this, [this] { RunGuarded([&] { GConduttanzaClick(iCurrOut); }); });

    Edit1 = new QMenu("&Edit", this);
    item(Edit1, "Copy1", "Copy        Ctrl+C", &TFormSch::ButtCopyClick);
    item(Edit1, "Cut1", "Cut           Ctrl+X", &TFormSch::ButtCutClick);
    item(Edit1, "Paste1", "Paste       Ctrl+V", &TFormSch::ButtPasteClick);

    Analysis1 = new QMenu("&Analysis", this);
    item(Analysis1, "CheckNodes1", "Check Nodes", &TFormSch::ChkNodiClick);
    item(Analysis1, "ApproximateAnalysis1", "Approximate Analysis", &TFormSch::ButtApproxClick);
    item(Analysis1, "CompleteAnalysis1", "Complete Analysis", &TFormSch::ButtAnalisiClick);

    SpiceS1 = new QAction("&Spice Netlist", this);
    SpiceS1->setObjectName("SpiceS1");
    connect(SpiceS1, &QAction::triggered, this, Guarded(this, &TFormSch::CreateNetlist1Click));
}

// The parts a subcircuit cannot hold and the analyses are not offered; the
// subcircuit save is.
void TFormSch::SetSubcircuitMode()
{
    for (QToolButton* button : {VTensione, ICorrente, iCurrOut, ButtApprox, ButtAnalisi})
        button->setEnabled(false);
    SaveSub->show();
    for (QAction* item : {VoltageSource1, ICurrentSource1, CurrentOut1})
        item->setEnabled(false);
}

QList<QAction*> TFormSch::ChildMenus()
{
    return {Get1->menuAction(), Edit1->menuAction(), Analysis1->menuAction(), SpiceS1};
}
