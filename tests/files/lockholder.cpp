// A second program for the lock tests: takes the lock of the collection named on the command line
// the way Korvex does, says on standard output what came of it, and holds it until its standard
// input ends.
#include <QCoreApplication>
#include <cstdio>
#include <iostream>
#include <string>

#include "files/collectionlock.h"

int main(int argc, char* argv[]) {
  QCoreApplication application(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("Korvex"));
  if (argc != 2) return 2;
  korvex::CollectionLock lock;
  switch (lock.Acquire(argv[1])) {
    case korvex::CollectionLock::Outcome::kLocked: std::cout << "gesperrt" << std::endl; break;
    case korvex::CollectionLock::Outcome::kHeldElsewhere: std::cout << "besetzt" << std::endl; break;
    case korvex::CollectionLock::Outcome::kUnavailable: std::cout << "unmöglich" << std::endl; break;
  }
  std::string line;
  while (std::getline(std::cin, line)) {
  }
  return 0;
}
