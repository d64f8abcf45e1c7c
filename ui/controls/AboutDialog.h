#pragma once

#include <QDialog>

#include <string>

class QLabel;
class QPushButton;

namespace joseki {

// The acknowledgement dialog (template 100): icon, product line, credit line,
// the OK button and the text of thanks in a sunken panel.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    // Template numbers of the controls that have one.
    static constexpr int kOkButtonId = 1;
    static constexpr int kThanksPanelId = 1017;

    // Builds the dialog at its template size; `owner` may be null.
    explicit AboutDialog(QWidget* owner = nullptr);

    // Runs a new dialog modally over `owner` (or none) and discards it.
    static void run(QWidget* owner);

    // The fixed texts (GBK): caption, product line, credit line and the
    // thanks, whose lines are separated by single line feeds.
    static std::string caption();
    static std::string productLine();
    static std::string creditLine();
    static std::string acknowledgementText();

    // The widget of a control by its template number, or null.
    QWidget* controlWidget(int controlId) const;

private:
    // Sets the text of thanks; the dialog's initialisation step.
    void initialiseDialog();

    QLabel* thanksPanel_ = nullptr;
    QPushButton* okButton_ = nullptr;
};

} // namespace joseki
