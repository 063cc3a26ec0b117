// Coin pictures: decoding a 6000 × 4000 JPEG at full size and as a 300 × 200 preview beside a
// plain libjpeg decode of the same file, opening the detail view on a coin with two such pictures,
// and stepping through 100 coins in the list mode of the real main window beside the same steps
// without pictures.

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <fstream>
#include <random>
#include <vector>

#include <benchmark/benchmark.h>
#include <jpeglib.h>

#include "benchservices.h"
#include "collectiongenerator.h"
#include "dialogs/programsettings.h"
#include "dialogs/windowplaces.h"
#include "files/collectionfileio.h"
#include "mainwindow/gui/datenbereich.h"
#include "mainwindow/gui/listmodepictures.h"
#include "mainwindow/gui/thauptfenster.h"
#include "model/paths.h"
#include "platform/settingsstore.h"
#include "dialogs/lookuplists.h"
#include "model/formatsettings.h"
#include "reports/gui/tansicht.h"
#include "reports/gui/tbildfenster.h"
#include "reports/pictureloader.h"
#include "samplefiles.h"

namespace korvex::bench {
namespace {

constexpr int kStepCoins = 100;
constexpr int kCoinPictures = 10;  // distinct avers and revers photos, each 1600 × 1200

// A photo-like picture: smooth shapes with fine grain, so that the JPEG carries detail in every
// block as a camera picture does.
QImage PhotoLike(int width, int height, unsigned seed) {
  QImage image(width, height, QImage::Format_RGB888);
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> grain(-12, 12);
  for (int y = 0; y < height; ++y) {
    uchar* line = image.scanLine(y);
    for (int x = 0; x < width; ++x) {
      const double u = double(x) / width, v = double(y) / height;
      const double shade = 0.5 + 0.25 * std::sin(u * 17 + seed) * std::cos(v * 11) + 0.2 * std::sin((u + v) * 40);
      for (int c = 0; c < 3; ++c) {
        const int value = int(255 * shade * (0.7 + 0.1 * c)) + grain(random);
        line[3 * x + c] = static_cast<uchar>(std::clamp(value, 0, 255));
      }
    }
  }
  return image;
}

void SaveJpeg(const QImage& image, const std::filesystem::path& path) {
  if (!image.save(QString::fromStdString(path.string()), "JPEG", 90)) {
    throw std::runtime_error("cannot write " + path.string());
  }
}

std::vector<char> ReadBytes(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

struct Fixture {
  ScratchFolder folder;
  std::filesystem::path large;       // 6000 × 4000
  std::filesystem::path coin_photo;  // one of the list mode's 1600 × 1200 pictures
  std::filesystem::path collection;
};

Fixture& Files() {
  static Fixture* fixture = [] {
    auto* f = new Fixture;
    f->large = f->folder.path() / "gross.jpg";
    SaveJpeg(PhotoLike(6000, 4000, 1), f->large);
    f->collection = f->folder.path() / "bilder.mvs";
    const std::filesystem::path pictures = f->folder.path() / "bilder";
    std::filesystem::create_directories(pictures);
    for (int k = 0; k < kCoinPictures; ++k) {
      SaveJpeg(PhotoLike(1600, 1200, 10 + k), pictures / ("avers" + std::to_string(k) + ".jpg"));
      SaveJpeg(PhotoLike(1600, 1200, 50 + k), pictures / ("revers" + std::to_string(k) + ".jpg"));
    }
    f->coin_photo = pictures / "avers0.jpg";
    CollectionDocument doc;
    GenerateCollection(doc, kStepCoins, 1);
    int k = 0;
    for (TDaten* coin = doc.first_coin; coin; coin = coin->next, ++k) {
      coin->av_picture = "avers" + std::to_string(k % kCoinPictures) + ".jpg";
      coin->rv_picture = "revers" + std::to_string(k % kCoinPictures) + ".jpg";
    }
    doc.RebuildDisplayOrder();
    doc.current_view = kAllCoinsView;
    NameDocument(doc, f->collection, "");
    FailOnMessage messages;
    NoProgress progress;
    if (!SaveCollectionFile(doc, messages, progress)) throw std::runtime_error("cannot save the collection");
    return f;
  }();
  return *fixture;
}

// The reference: libjpeg decoding the whole file into one RGB buffer, nothing else.
struct JpegError {
  jpeg_error_mgr base;
  std::jmp_buf jump;
};

// Decodes into a new buffer, as every load of a picture must.
std::unique_ptr<unsigned char[]> LibjpegDecode(const std::vector<char>& bytes) {
  std::unique_ptr<unsigned char[]> pixels;
  jpeg_decompress_struct info;
  JpegError error;
  info.err = jpeg_std_error(&error.base);
  error.base.error_exit = [](j_common_ptr i) { std::longjmp(reinterpret_cast<JpegError*>(i->err)->jump, 1); };
  if (setjmp(error.jump)) {
    jpeg_destroy_decompress(&info);
    throw std::runtime_error("libjpeg failed");
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  const size_t stride = size_t(info.output_width) * 3;
  pixels.reset(new unsigned char[stride * info.output_height]);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = pixels.get() + stride * info.output_scanline;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return pixels;
}

void RefLibjpeg(benchmark::State& state, const std::filesystem::path& path) {
  for (auto _ : state) {
    std::unique_ptr<unsigned char[]> pixels = LibjpegDecode(ReadBytes(path));
    benchmark::DoNotOptimize(pixels.get());
  }
}

void Load(benchmark::State& state, const std::filesystem::path& path, QSize target) {
  for (auto _ : state) {
    std::optional<LoadedPicture> picture = LoadPicture(PathText(path), "", target);
    benchmark::DoNotOptimize(picture->image.constBits());
  }
}

// The detail view opened on a coin with two 6000 × 4000 pictures: filled, shown and painted with
// both previews, then closed, as one opening from the grid does.
void OpenDetailView(benchmark::State& state) {
  Fixture& f = Files();
  CollectionDocument document;
  document.SetFileName(PathText(f.large.parent_path() / "detail.mvs"));
  document.areas.push_back(std::make_unique<TKategorie>());
  const std::filesystem::path folder = f.large.parent_path() / "detail";
  std::filesystem::create_directories(folder);
  for (const char* name : {"avers.jpg", "revers.jpg"}) {
    std::filesystem::copy_file(f.large, folder / name, std::filesystem::copy_options::overwrite_existing);
  }
  TDaten coin;
  coin.numeral = "5";
  coin.currency = "Mark";
  LookupLists lookups;
  const FormatSettings format = FormatSettings::German();
  WindowPlaces places;
  for (auto _ : state) {
    gui::TAnsicht view(gui::TAnsicht::Use::kDetailView, {&document, &lookups, &format, &places});
    view.SetPicturePaths("avers.jpg", "revers.jpg");
    view.Fill(coin);
    view.show();
    view.repaint();
    if (view.Bild1->pixmap().isNull() || view.Bild2->pixmap().isNull()) {
      state.SkipWithError("the previews did not show");
      break;
    }
    view.accept();
  }
}

// The real main window on the collection of 100 coins with two pictures each; every step makes
// the next row current, as a click or key does, and paints both picture windows.
void StepThroughCoins(benchmark::State& state, PictureDisplay display) {
  Fixture& f = Files();
  SettingsStore store(f.folder.path() / "einstellungen.conf");
  ProgramSettings settings;
  settings.Graphik_Auto = display;
  settings.Graphik_Pos = PicturePlace::kRight;
  WriteSettings(store, settings);
  WindowPlaces places;
  places.Graphik_Breite = places.Graphik2_Breite = 400;
  places.Graphik_Hoehe = places.Graphik2_Hoehe = 300;
  WriteWindowPlaces(store, places, settings);
  MainWindowServices services;
  services.settings_store = &store;
  services.arguments = {f.collection.string()};
  THauptfenster window(std::move(services));
  window.show();
  window.FirstActivation();
  QApplication::processEvents();
  TDatenbereich* grid = window.Datenbereich();
  int row = 1;
  for (auto _ : state) {
    row = row % kStepCoins + 1;
    grid->SetCurrentRow(row);
    ListModePictures* pictures = window.PictureWindows();
    pictures->Avers().repaint();
    pictures->Revers().repaint();
    grid->repaint();
  }
  if (display == PictureDisplay::kListMode && !window.PictureWindows()->Revers().isVisible()) {
    state.SkipWithError("the picture windows did not show");
  }
  state.counters["rows"] = kStepCoins;
}

void Configure(benchmark::internal::Benchmark* run, int iterations) {
  run->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(iterations)->Repetitions(5)->ReportAggregatesOnly(true);
}

}  // namespace
}  // namespace korvex::bench

int main(int argc, char** argv) {
  using namespace korvex::bench;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  Fixture& f = Files();
  qputenv("KORVEX_DATA_DIR", QByteArray::fromStdString((f.folder.path() / "daten").string()));
  std::filesystem::create_directories(f.folder.path() / "daten");
  Configure(benchmark::RegisterBenchmark("ref libjpeg full decode/6000", RefLibjpeg, f.large), 3);
  Configure(benchmark::RegisterBenchmark("picture full size/6000", Load, f.large, QSize()), 3);
  Configure(benchmark::RegisterBenchmark("picture preview 300x200/6000", Load, f.large, QSize(300, 200)), 3);
  Configure(benchmark::RegisterBenchmark("detail view with two previews/6000", OpenDetailView), 3);
  Configure(benchmark::RegisterBenchmark("ref libjpeg full decode/1600", RefLibjpeg, f.coin_photo), 10);
  Configure(benchmark::RegisterBenchmark("list mode row change/1600", StepThroughCoins, korvex::PictureDisplay::kListMode), 100);
  Configure(benchmark::RegisterBenchmark("ref row change without pictures/1600", StepThroughCoins, korvex::PictureDisplay::kOnRequest), 100);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
