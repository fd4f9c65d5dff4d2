#pragma once

#include "ErrorProtocol.h"
#include "ErrorReporter.h"

#include <QDialog>
#include <array>

class QGroupBox;
class QLabel;
class QPushButton;

namespace zavolin {

// The error window: shows the current failure and where it happened, appends the error
// protocol to the log, and returns the user's choice of how the failed procedure goes on. From
// it the protocol can be printed, saved or e-mailed. One instance serves the whole run
// (ErrorReporter::real()); it is hidden between showings and keeps its texts.
class ErrPtnr : public QDialog, public ErrorReporter {
    Q_OBJECT

public:
    explicit ErrPtnr(QWidget* parent = nullptr);

    // The program's one error window, created on first use.
    static ErrPtnr& instance();

    // Shows the current failure (currentError()) modally and returns the pressed button's
    // index as the ErrorChoice.
    qint16 OnError(const QString& aktModul, const QString& aktProc) override;
    // While the system ends the program no one is there to answer: a failure is then appended
    // to the log and written to standard error, and its procedure goes on with the next step.
    void setUnattended(bool unattended) { m_unattended = unattended; }
    // Sets the program-info line; OnError leaves a non-empty line as it is.
    void SetProgInfo(const QString& text);

    static QString LPSTRToVBString(const QByteArray& s);
    // The protocol of what the window shows now, with the current time and system.
    void BuildProtocol(QString& protocol) const;

    void ArrangeErrorWindow();
    // Appends the protocol to the log; a log that cannot be written is only warned about.
    void AppendErrorLog();

    void cmdContinue_Click(int index);
    // 0 print, 1 save, 2 e-mail.
    void cmdProtocol_Click(int index);

    qint16 choiceValue() const { return qint16(m_choiceValue); }

    // Closing the window by its title bar or Escape abandons the failed procedure.
    void reject() override;

private:
    void createControls();
    ProtocolFields protocolFields() const;
    void appendToErrorLog(const ProtocolFields& fields);
    void printProtocol(const QString& protocol);
    void saveProtocol(const QString& protocol);
    void mailProtocol(const QString& protocol);

    QGroupBox* framComment = nullptr;
    QGroupBox* framFehler = nullptr;
    QGroupBox* framProgInfo = nullptr;
    QGroupBox* framProtocol = nullptr;
    QGroupBox* framContinue = nullptr;
    QLabel* lblComment = nullptr;
    std::array<QLabel*, 4> lblErrTitel{};
    std::array<QLabel*, 4> lblError{};
    QLabel* lblProgInfo = nullptr;
    std::array<QPushButton*, 4> cmdProtocol{};
    std::array<QPushButton*, 4> cmdContinue{};

    // ChoiceValue: the index of the last continue button pressed, kept between showings.
    int m_choiceValue = Cancel;
    bool m_unattended = false;
};

} // namespace zavolin
