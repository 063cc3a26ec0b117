#pragma once

#include <exception>
#include <string>

namespace korvex {

// The messages that more than one reader of collection files shows.
inline constexpr const char* kNotACollectionFile =
    "Diese Datei ist keine Korvex-Datei oder die Datei ist beschädigt.";
inline constexpr const char* kWrongPasswordText =
    "Die gewünschte Datei ist mit einem Passwort geschützt. Sie haben entweder kein oder ein "
    "falsches Passwort eingegeben. Bitte beachten Sie auch die korrekte Groß- und "
    "Kleinschreibung!";
inline constexpr const char* kCorruptDataText =
    "In der Datei wurden korrupte Daten gefunden. Dieses kann z. B. durch einen PC-Absturz "
    "während des Abspeicherns passiert sein. Die korrupten Daten wurden in einer neuen Kategorie "
    "(\"sos\") abgelegt. Bitte sortieren Sie diese Daten wieder in die korrekten Kategorien ein. "
    "Anschließend können Sie über das Menü \"Extras/Kategorien definieren\" diese "
    "\"sos\"-Kategorie wieder löschen.";

// Base of the program's own errors. The message is UTF-8 so that a command can show it as it is.
class EKorvexError : public std::exception {
 public:
  explicit EKorvexError(std::string message) : message_(std::move(message)) {}
  const char* what() const noexcept override { return message_.c_str(); }
  const std::string& message() const noexcept { return message_; }

 private:
  std::string message_;
};

// A text that should hold a whole number does not.
class EConvertError : public EKorvexError {
 public:
  using EKorvexError::EKorvexError;
};

// The XML text is no collection document.
class EXMLException : public EKorvexError {
 public:
  using EKorvexError::EKorvexError;
};

// A required element is missing ("Node <name> does not exist").
class EXMLNodeDoesNotExist : public EXMLException {
 public:
  using EXMLException::EXMLException;
};

// A required attribute is missing ("Attribute <name> does not exist").
class EXMLAttributeDoesNotExist : public EXMLException {
 public:
  using EXMLException::EXMLException;
};

// Opening a collection file failed; the message is the one to show the user.
class EPassword : public EKorvexError {
 public:
  using EKorvexError::EKorvexError;
};

// Writing a file failed (disk full, no access, archive error); the message says why in German.
class EFileWriteError : public EKorvexError {
 public:
  using EKorvexError::EKorvexError;
};

}  // namespace korvex
