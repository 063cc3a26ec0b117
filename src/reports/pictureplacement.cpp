#include "reports/pictureplacement.h"

namespace korvex {
namespace {

QPoint FirstWindowPosition(const PictureWindowPlacement& p) {
  const QRect& v = p.accompanied;
  switch (p.place) {
    case PicturePlace::kRight: return {v.x() + v.width(), v.y()};
    case PicturePlace::kBelow: return {v.x(), v.y() + v.height()};
    case PicturePlace::kTopLeft: return {1, 1};
    case PicturePlace::kAbove: return {v.x(), v.y() - p.own_size.height()};
    case PicturePlace::kLeft: return {v.x() - p.own_size.width(), v.y()};
    case PicturePlace::kAsLastTime: break;
  }
  return p.remembered;
}

QPoint SecondWindowPosition(const PictureWindowPlacement& p, const QRect& r) {
  const QRect& v = p.accompanied;
  switch (p.place) {
    case PicturePlace::kRight: return {r.x(), r.y() + r.height()};
    case PicturePlace::kBelow: return {r.x() + r.width(), r.y()};
    case PicturePlace::kTopLeft: return {1, r.height() + 1};
    case PicturePlace::kAbove: return {r.x() + r.width(), v.y() - p.own_size.height()};
    case PicturePlace::kLeft: return {v.x() - p.own_size.width(), r.y() + r.height()};
    case PicturePlace::kAsLastTime: break;
  }
  return p.remembered;
}

}  // namespace

QPoint PictureWindowPosition(const PictureWindowPlacement& placement) {
  if (placement.place == PicturePlace::kAsLastTime) return placement.remembered;
  if (placement.second && placement.reference) return SecondWindowPosition(placement, *placement.reference);
  return FirstWindowPosition(placement);
}

}  // namespace korvex
