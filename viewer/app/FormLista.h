#pragma once
// TFormLista, the "List of Values" window of one result window: the network
// function as a table of chosen quantities over frequencies, or the table of
// its poles and zeros; copied as fixed-width text and printed. Its fillings
// run through the result window, which is busy meanwhile. It follows the
// result window's reloads and closes with it.
#include <QPointer>
#include <array>

#include "viewer/app/ValueListChild.h"
#include "viewer/values/ValueListTable.h"

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QTableWidget;
class QToolButton;
class TMDIChild;

class TFormLista : public ValueListChild {
    Q_OBJECT
public:
    explicit TFormLista(TMDIChild& owner);

    void OKClick();
    void Button1Click();
    void ExitClick() { CloseWindow(); }
    // The result window reloaded: the caption and the table shown follow.
    void Follow();

    // ValueListChild.
    void CopyToClipboard() override;
    void PrintGrid(QPrinter& printer) override;

    const ListTable& Table() const { return table_; }

    QWidget* Panel1;
    QLabel* Label1;
    QListWidget* Campi;
    QLabel* Label3;
    QLabel* Label2;
    QLineEdit* StartF;
    QLabel* Label4;
    QLineEdit* StopF;
    QLabel* Label5;
    QLineEdit* NumP;
    QRadioButton* HzB;
    QRadioButton* RadB;
    QGroupBox* GroupBox1;
    QRadioButton* Oct;
    QRadioButton* Dec;
    QRadioButton* Lin;
    QFrame* Bevel1;
    QWidget* Panel2;
    QToolButton* SpeedButton3;
    QToolButton* Exit;
    QToolButton* Button1;
    QTableWidget* Grid;

protected:
    // Clears the result window's reference to this list.
    void FormClose() override;

private:
    enum class Shown { Nothing, Values, PolesZeros };

    void BuildPanel();
    void ShowSettings(const ListSettings& settings);
    ListSettings Settings() const;
    void ShowTable();
    // Runs a filling through the result window; false when refused.
    bool Fill(const std::function<bool(FDT&, std::string&)>& fill, bool& filled, std::string& error);

    QPointer<TMDIChild> owner_;
    ListTable table_;
    Shown shown_ = Shown::Nothing;
};
