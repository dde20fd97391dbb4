#pragma once
#include <QString>
#include <stdexcept>

// A failure outside the code (file, database, bad data). Its text is shown to the user.
class TarnError : public std::runtime_error {
public:
    explicit TarnError(const QString& message, int number = 0)
        : std::runtime_error(message.toStdString()), mMessage(message), mNumber(number) {}
    const QString& message() const noexcept { return mMessage; }
    int number() const noexcept { return mNumber; }

private:
    QString mMessage;
    int mNumber;
};

// Run-time error numbers as the error protocol reports them.
namespace ErrNo {
inline constexpr int InvalidArgument = 5;
inline constexpr int Overflow = 6;
inline constexpr int SubscriptOutOfRange = 9;
inline constexpr int FileNotFound = 53;
inline constexpr int FileAlreadyOpen = 55;
inline constexpr int PathNotFound = 76;
inline constexpr int PermissionDenied = 70;
inline constexpr int PathFileAccess = 75;
inline constexpr int InvalidFileFormat = 321;
inline constexpr int Database = 3000;
}

class OverflowError : public TarnError {
public:
    explicit OverflowError(const QString& what = QStringLiteral("Overflow"))
        : TarnError(what, ErrNo::Overflow) {}
};

class InvalidArgumentError : public TarnError {
public:
    explicit InvalidArgumentError(const QString& what = QStringLiteral("Invalid procedure call or argument"))
        : TarnError(what, ErrNo::InvalidArgument) {}
};

// The user or a batch answer ended the program from an error dialog.
class ProgramEndRequested : public std::exception {
public:
    const char* what() const noexcept override { return "program end requested"; }
};
