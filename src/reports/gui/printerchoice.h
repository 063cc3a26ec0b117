#pragma once

#include <QPrinter>
#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace korvex {

class MessageService;

// Where a printout goes: the current printer, chosen in the print dialog or taken as it is. The
// window uses the printers of the system; tests answer with a PDF file.
class PrinterChoice {
 public:
  virtual ~PrinterChoice() = default;
  // The printer for a job titled `title`, after the print dialog when `with_dialog`; nothing when
  // the user cancelled. The printer keeps what the dialog or a printout set (such as landscape
  // paper) for the next job.
  virtual QPrinter* Choose(bool with_dialog, const QString& title) = 0;
};

// The system's printers through Qt (CUPS). Without any printer installed the printout can still
// go into a PDF file, whose name `choose_pdf_file` asks for.
class SystemPrinterChoice final : public PrinterChoice {
 public:
  using PdfFileQuestion = std::function<std::optional<QString>()>;

  SystemPrinterChoice(MessageService& messages, PdfFileQuestion choose_pdf_file, QWidget* parent);

  QPrinter* Choose(bool with_dialog, const QString& title) override;

 private:
  MessageService& messages_;
  PdfFileQuestion choose_pdf_file_;
  QWidget* parent_;
  QPrinter printer_{QPrinter::HighResolution};
};

// What the user is told when no printer is installed.
inline constexpr const char* kNoPrinterMessage =
    "Es ist kein Drucker eingerichtet. Der Ausdruck kann stattdessen als PDF-Datei gespeichert "
    "werden.";

}  // namespace korvex
