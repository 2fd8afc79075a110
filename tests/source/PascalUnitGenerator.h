// A generator of large, realistic Object Pascal units that records where every pair it writes begins and ends.
#pragma once

#include <string>
#include <vector>

namespace skrivo::test {

struct GeneratedUnit {
  // Positions of an opening keyword or directive and of what closes it.
  struct Pair {
    int open = -1;
    int close = -1;  // -1: closed by the unit's final "end."
  };

  std::string source;
  std::vector<Pair> beginEnd;      // every "begin" and its "end"
  std::vector<Pair> declarations;  // class, object and record declarations and their "end"
  std::vector<Pair> directives;    // every {$IFDEF}/{$IFNDEF} and its {$ENDIF}
  int lines = 0;
};

// A unit with a type section of classes, records and other declarations, and
// `routines` routines whose bodies mix every kind of statement block, brackets,
// strings and comments that name keywords, and conditional directives. The
// same seed gives the same unit.
GeneratedUnit GeneratePascalUnit(unsigned seed, int classes, int routines);

// A unit whose one routine has a body of at least `bodyBytes` characters:
// beginEnd.front() is that body's begin and its far-away end.
GeneratedUnit GenerateLongRoutine(unsigned seed, int bodyBytes);

}  // namespace skrivo::test
