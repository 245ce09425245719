#pragma once

// What the amount edit holds; it decides the cleaning on enter and the format on exit.
enum class TSsEditStyle { esNone, esComma, esMoney, esDate, esTime };

// imEasy completes a short date or time in front from today's date or the current time.
enum class TInputMethod { imFull, imEasy };

enum class TSsAlignment { Left, Right, Center };

struct TSsEditLength {
  int MaxLength = 0;  // 0: no limit
  int DecLength = 0;  // decimal places allowed in esComma and esMoney, 0 to 4
};

struct TSsEditOption {
  TSsEditStyle EditStyle = TSsEditStyle::esNone;
  TSsEditLength Length;
  bool DoEmptyCheck = false;  // refuse an empty text on leaving
  TInputMethod InputMethod = TInputMethod::imFull;
  bool MoveByEnter = false;  // Enter moves to the next control, Shift+Enter back
};
