// Without an input layer the toolkit reads nothing.
#include "frontend/gui/gui_input.h"

kui_TInput& kui_DefaultInput() {
  static kui_TNoInput input;
  return input;
}
