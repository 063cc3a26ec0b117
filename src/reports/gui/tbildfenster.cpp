#include "reports/gui/tbildfenster.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMoveEvent>
#include <QResizeEvent>
#include <QScreen>
#include <QVBoxLayout>

#include "reports/jpegdecoder.h"
#include "reports/pictureloader.h"
#include "reports/pictureplacement.h"

namespace korvex {

TBildfenster::TBildfenster(bool second, const ProgramSettings& settings, WindowPlaces& places,
                           QWidget* owner)
    : QWidget(owner, Qt::Window), second_(second), settings_(settings), places_(places),
      bild_(new QLabel(this)) {
  setObjectName(second ? QStringLiteral("Bildfenster2") : QStringLiteral("Bildfenster1"));
  // The collector keeps typing in the grid while the pictures follow the selected row.
  setAttribute(Qt::WA_ShowWithoutActivating);
  bild_->setObjectName(QStringLiteral("Bild"));
  bild_->setAlignment(Qt::AlignCenter);
  bild_->setMinimumSize(1, 1);
  bild_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
  bild_->setAutoFillBackground(true);
  QPalette face = bild_->palette();
  face.setColor(QPalette::Window, face.color(QPalette::Button));
  bild_->setPalette(face);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(bild_);
}

bool TBildfenster::ShowPicture(const std::string& name, const std::string& picture_folder,
                               const QString& caption, const TBildfenster* reference,
                               const QRect& accompanied) {
  if (name.empty()) {
    close();
    return false;
  }
  // Only a window fitted to its picture needs all of it (up to the screen); otherwise the picture
  // is decoded for the window it is shown in.
  const QSize target = ClientSizeFor(LargestClientSize());
  std::optional<LoadedPicture> loaded = LoadPicture(name, picture_folder, target);
  if (!loaded) {
    close();
    return false;
  }
  picture_ = std::move(loaded->image);
  original_size_ = loaded->original_size;
  name_ = name;
  picture_folder_ = picture_folder;
  setWindowTitle(caption);
  resize(ClientSizeFor(original_size_));
  FitPicture();
  Place(reference, accompanied);
  show();
  // The frame's size is known once the window is shown; placing again puts the frame's edges
  // exactly where the place option asks.
  Place(reference, accompanied);
  return true;
}

QSize TBildfenster::LargestClientSize() const {
  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  const QSize frame = frameGeometry().size() - size();
  return screen ? screen->availableGeometry().size() - frame : QSize(kMaxPictureSide, kMaxPictureSide);
}

QSize TBildfenster::ClientSizeFor(QSize picture) const {
  const int width = second_ ? places_.Graphik2_Breite : places_.Graphik_Breite;
  const int height = second_ ? places_.Graphik2_Hoehe : places_.Graphik_Hoehe;
  // A window without a remembered size yet starts fitted to its picture, as with the option.
  if (!FollowsPictureSize() && width > 0 && height > 0) return {width, height};
  // A picture larger than the screen gets the screen and is shrunk into it.
  const QSize fitted = picture.boundedTo(LargestClientSize());
  return fitted.expandedTo(QSize(kMinimumSide, kMinimumSide));
}

void TBildfenster::Place(const TBildfenster* reference, const QRect& accompanied) {
  PictureWindowPlacement placement;
  placement.place = settings_.Graphik_Pos;
  placement.second = second_;
  placement.accompanied = accompanied;
  if (reference && reference->isVisible()) placement.reference = reference->frameGeometry();
  // Before the first show the frame is not known; the window's own size stands in for it.
  placement.own_size = size() + (frameGeometry().size() - geometry().size());
  placement.remembered = QPoint(RememberedLeft(), RememberedTop());
  // The place is the frame's; the window is moved by its client area, whose offset from the frame
  // is known once the window has been shown.
  const QPoint frame_offset = geometry().topLeft() - frameGeometry().topLeft();
  setGeometry(QRect(PictureWindowPosition(placement) + frame_offset, size()));
}

void TBildfenster::FitPicture() {
  const QSize area = size();
  // A copy decoded for a smaller window is read again once the window needs more of the file.
  const int decoded_at = picture_.width() > 0 ? original_size_.width() / picture_.width() : 1;
  if (decoded_at > 1 && JpegScaleDenominator(original_size_, area) < decoded_at) {
    try {
      if (std::optional<LoadedPicture> again = LoadPicture(name_, picture_folder_, area)) {
        picture_ = std::move(again->image);
      }
    } catch (const EPictureError&) {
      // The file went away since; the window keeps the copy it has.
    }
  }
  const bool larger = picture_.width() > area.width() || picture_.height() > area.height();
  const QImage shown =
      larger ? picture_.scaled(area, Qt::KeepAspectRatio, Qt::SmoothTransformation) : picture_;
  bild_->setPixmap(QPixmap::fromImage(shown));
}

void TBildfenster::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (!isVisible()) return;
  RememberedWidth() = width();
  RememberedHeight() = height();
  if (!FollowsPictureSize() && !picture_.isNull()) FitPicture();
}

void TBildfenster::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  if (!isVisible()) return;
  RememberedLeft() = x();
  RememberedTop() = y();
}

}  // namespace korvex
