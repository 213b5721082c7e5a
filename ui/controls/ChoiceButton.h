// CChoiceButton: the owner-drawn button that shows the current choice (mode or type) and, when
// clicked, offers the choices as a row; a choice made is reported to the parent as a
// notification with wParam kChoiceNotifyCode.
#pragma once

#include <algorithm>
#include <vector>

#include "host/mfc/Button.h"

// The wParam of the notification a choice button sends its parent.
constexpr WPARAM kChoiceNotifyCode = static_cast<WPARAM>(-108);

// What the notification's lParam points to.
struct CHOICENOTIFY {
  NMHDR hdr;
  int iValue;
};

class CChoiceButton : public CButton {
 public:
  // The values offered, in the order of the row; 0 stands for a gap.
  void SetChoices(const std::vector<int>& values) { m_choices = values; }
  const std::vector<int>& GetChoices() const { return m_choices; }
  // The image group and size the button shows (group 0: none).
  void SetImage(int group, int size);
  int GetImageGroup() const { return m_iImageGroup; }
  int GetImageSize() const { return m_iImageSize; }

 protected:
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

 private:
  // The row of choices as a pop-up menu; the value chosen, 0 when none.
  int ChooseFromRow();

  std::vector<int> m_choices;
  int m_iImageGroup = 0;
  int m_iImageSize = 0;
};
