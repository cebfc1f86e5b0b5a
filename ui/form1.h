// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/circuit.h"
#include "calc/showmessage.h"

#include <QPointer>
#include <QWidget>

#include <utility>

class QLabel;
class QLineEdit;
class QPushButton;

namespace calc {
struct Module1;
}

namespace ui {

class CircuitPicture;
class Form2;

// The main window: the circuit drawing, "Progetto" and "Verifica". It reads
// its fields, hands a press to calc and writes back what comes of it.
class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(calc::Module1& module, QWidget* parent = nullptr);
    // Closes the graph window too, which has no parent of its own and reads
    // the same module.
    ~Form1() override;

    // The buttons' handlers. Each runs to its end before the window takes
    // further input, under the hourglass: the readout and the other presses
    // never see a module half-way through a calculation, and the sample loop
    // inside already spreads over the cores.
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

    // Where the presses' warnings and refusals go: a message box over the
    // window unless set otherwise.
    void setShowMessage(calc::ShowMessage show) { show_ = std::move(show); }

private:
    void build();
    void buildDesign();
    void buildVerification();
    void setKeyboard();
    // The graph window, created hidden on first use; null once closed.
    Form2* graphWindow();
    calc::CircuitTexts circuitTexts() const;
    // F1: what the model assumes.
    void showModelNotes();

    calc::Module1& module_;
    calc::ShowMessage show_;
    QPointer<Form2> form2_;

    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text3 = nullptr;
    QLineEdit* Text4 = nullptr;
    QLineEdit* Text5 = nullptr;
    QLineEdit* Text6 = nullptr;
    QLineEdit* Text7 = nullptr;
    QLineEdit* Text8 = nullptr;
    QLineEdit* Text9 = nullptr;
    QLineEdit* Text10 = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* Label13 = nullptr;
    QLabel* Label22 = nullptr;
    QLabel* Label29 = nullptr;
    QLabel* Label31 = nullptr;
    QLabel* Label35 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    CircuitPicture* Picture1 = nullptr;
};

} // namespace ui
