#include "forms/single.h"
#include "playfield/form1.h"

namespace playfield {
namespace {

constexpr double kRowSpacing = 1350;  // twips between the Left edges of neighbouring targets
constexpr int kLastIndex = 2;

// Each new target stands right of its neighbour's current Left, so a row moves as a whole
// with its first element.
void AddTarget(forms::ControlArray<forms::Image>& row, int index) {
  row.Load(index);
  row(index).Left = forms::ToSingle(static_cast<double>(row(index - 1).Left) + kRowSpacing);
  row(index).Visible = true;
}

}  // namespace

void Form_Load(Form1& form) {
  for (int i = 1; i <= kLastIndex; ++i) {
    AddTarget(form.c, i);
    AddTarget(form.b, i);
  }
}

}  // namespace playfield
