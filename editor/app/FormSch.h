#pragma once
// TFormSch: the schematic window, in which one circuit or one subcircuit is
// drawn. It turns its widgets' events into calls of the editing core
// (SchematicEditor), which draws on the surface PBox, and carries out what
// the core's commands leave to it (file dialogs, messages, starting Vimlo).
// The frame routes File Save, Save As, Copy and Print to it by its class
// name (SchematicChild).
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "editor/app/SchematicChild.h"
#include "editor/commands/CommandOutcome.h"
#include "editor/editing/SchematicEditor.h"

class CanvasView;
class ListBox;
class QAction;
class QFrame;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollArea;
class QToolButton;
struct CanvasMouse;
struct SchematicForms;

class TFormSch : public SchematicChild {
    Q_OBJECT
public:
    // programFolder (ending with '/') holds Vimlo and the folder SubCkt.
    TFormSch(bool subcircuit, PartClipboard& pasteList, SchematicForms& forms, std::string programFolder,
             QWidget* parent = nullptr);
    ~TFormSch() override;

    SchematicEditor& Editor() { return *editor_; }
    Schematic& Document() { return editor_->Document(); }

    // SchematicChild.
    bool IsSubcircuit() const override;
    const std::string& FileName() const override;
    void LoadSchema(const std::string& path) override;
    void SaveSchema() override;
    void SaveSchemaAs(const std::string& path) override;
    void Saveassubc1Click() override;
    void SaveSubcircuitAs() override;
    void CopyPicture() override;
    void PrintSchema(QPrinter& printer) override;
    QList<QAction*> ChildMenus() override;
    bool FormCloseQuery() override;

    // Tools.
    void GConduttanzaClick(const QObject* sender);
    void FiloClick();
    void TestoClick();
    void TextOkClick();
    void TextCancClick();
    void ApiceButClick();
    void PediceButClick();
    void BJThButtClick();
    void BJTpButtClick();
    void MosfetButtClick();
    void ListSubClick();
    void CursoreClick();
    void GrigliaButtClick();
    void ButtCopyClick();
    void ButtCutClick();
    void ButtPasteClick();
    void ButtHelpClick();
    void ExitClick();
    // Commands.
    void ChkNodiClick();
    void ButtAnalisiClick();
    void ButtApproxClick();
    void CreateNetlist1Click();

    // The surface's mouse events and the keys released in the window.
    void PBoxMouseDown(const CanvasMouse& mouse);
    void PBoxMouseMove(const CanvasMouse& mouse);
    void PBoxMouseUp(const CanvasMouse& mouse);
    void FormKeyUp(int qtKey, Qt::KeyboardModifiers modifiers);

    QFrame* Panel1;
    QToolButton* GrigliaButt;
    QToolButton* ButtCopy;
    QToolButton* ButtCut;
    QToolButton* ButtPaste;
    QToolButton* Testo;
    QToolButton* Filo;
    QToolButton* ground;
    QToolButton* vOut;
    QToolButton* iCurrOut;
    QToolButton* ChkNodi;
    QToolButton* ButtApprox;
    QToolButton* ButtAnalisi;
    QToolButton* SaveSub;
    QToolButton* ButtHelp;
    QToolButton* Exit;

    QFrame* Panel3;
    QToolButton* Cursore;
    QToolButton* Resistore;
    QToolButton* GConduttanza;
    QToolButton* Condens;
    QToolButton* LIndutt;
    QToolButton* VTensione;
    QToolButton* ICorrente;
    QToolButton* HVCCS;
    QToolButton* YCCVS;
    QToolButton* EVCVS;
    QToolButton* FCCCS;
    QToolButton* OpAmp;
    QToolButton* MosfetButt;
    QToolButton* BJTpButt;
    QToolButton* BJThButt;
    QToolButton* nTrasf;
    QToolButton* Kmut;
    ListBox* ListSub;

    QScrollArea* ScrollBox1;
    CanvasView* PBox;
    QFrame* PanelText;
    QLineEdit* EditText;
    QPushButton* TextOk;
    QPushButton* TextCanc;
    QToolButton* ApiceBut;
    QToolButton* PediceBut;

    QMenu* Get1;
    QMenu* Edit1;
    QMenu* Analysis1;
    QAction* SpiceS1;
    QAction* VoltageSource1;
    QAction* ICurrentSource1;
    QAction* CurrentOut1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    using Command = std::function<CommandOutcome(Schematic&, const CommandContext&)>;

    void BuildTopBar();
    void BuildPalette();
    void BuildSurface();
    void BuildMenus();
    void SetSubcircuitMode();
    QToolButton* ToolButton(QWidget* panel, const char* name, const char* hint, const QIcon& icon);

    // The surface and the text panel show the core's state again.
    void Refresh();
    // The text panel's edit shows the text with the marker just added and
    // takes the focus, the caret at the end.
    void ContinueTyping();
    // The mouse's position on the surface.
    Pt Cursor() const;
    CommandContext Context() const;
    // Runs a command of the core and what it leaves to the window: asking
    // for a name (first, when askFirst) in the frame's save dialogs, a
    // message, starting a program, opening the SPICE window.
    void Run(const Command& command, bool askFirst = false);
    bool AskName(const FileRequest& request, std::string& path);
    void Follow(const CommandOutcome& outcome);
    // The save of the close question: false when nothing was written.
    bool SaveForClose();
    // A key pressed, and one released, in the window or a control of it.
    void KeyPressed(const QKeyEvent& key);
    void KeyReleased(const QKeyEvent& key);

    std::string programFolder_;
    SchematicForms& forms_;
    std::unique_ptr<SchematicEditor> editor_;
    // The keys pressed in the window and not yet released, each with
    // whether Ctrl was held: its release counts as with Ctrl, also when Ctrl
    // was let go first.
    std::map<int, bool> pressed_;
};
