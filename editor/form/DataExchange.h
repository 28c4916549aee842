#pragma once

#include <QCoreApplication>
#include <QString>

#include <cstdint>
#include <functional>
#include <map>
#include <stdexcept>

class CUserPrompts;
class QWidget;

// A window's controls by their layout ids.
using DialogControls = std::map<int, QWidget*>;
// A control's name as the user knows it from the window, for messages.
using FieldNamer = std::function<QString(int nId)>;

// Largest value a field accepts: the width of its place in the save file.
enum class FieldRange : std::uint32_t
{
    Byte = 255,
    Word = 65535,
};

// Thrown when a read stops at a field; the user has been told already.
class CExchangeStopped : public std::runtime_error
{
public:
    CExchangeStopped() : std::runtime_error("form exchange stopped at a bad field") {}
};

// One pass of values between a window's controls and the form, in one
// direction. A read checks each number as it goes and stops at the first
// bad one, after telling the user (a warning owned by the control's window,
// naming the field by namer) and putting the focus on it.
class CDataExchange
{
    Q_DECLARE_TR_FUNCTIONS(CDataExchange)

public:
    // Quiet: a read that stops tells no one and leaves the focus alone, for
    // a look at the form that the user did not ask for.
    enum class Failures { Told, Quiet };
    CDataExchange(const DialogControls& controls, CUserPrompts& prompts, FieldNamer namer, bool bSaveAndValidate,
                  Failures failures = Failures::Told);

    const bool m_bSaveAndValidate; // true: controls to values

    // Leaves one control out of this pass, both ways: its value keeps what
    // the form holds, its text what the user sees (and may be typing over).
    void Skip(int nId) { m_nSkipped = nId; }

    void Number(int nId, std::uint32_t& value, FieldRange range);
    void Number(int nId, std::int32_t& value, FieldRange range); // kept as its 32 bits
    void Text(int nId, QString& value);
    // The text of a combo box. A read checks it like a number and keeps
    // the decimal text of the number it checked.
    void BoxText(int nId, QString& value, FieldRange range);
    // The selected item's position; a read without a selection keeps value.
    void ListIndex(int nId, std::int32_t& value);

private:
    std::uint32_t CheckedNumber(int nId, const QString& text, FieldRange range);
    [[noreturn]] void Fail(int nId, FieldRange range);
    QWidget* Control(int nId) const;

    const DialogControls& m_controls;
    CUserPrompts& m_prompts;
    FieldNamer m_namer;
    Failures m_failures;
    int m_nSkipped = 0;
};
