#pragma once

#include <vector>

#include "device_metrics.h"
#include "form.h"
#include "page.h"

class QComboBox;
class QKeyEvent;
class QLabel;
class QPushButton;
class QScrollArea;
class QWidget;

// The preview ("プレビュー"): the recorded pages on an A4-shaped sheet, fitted to the view's
// width or zoomed from 100 % to 200 % of its height, one page at a time. PageUp and PageDown
// scroll and turn pages, Home/End (also with Ctrl) go to the first and last page, Ctrl++ and
// Ctrl+- zoom.
class TFormPreview : public TForm {
  Q_OBJECT

 public:
  explicit TFormPreview(Document& doc);

  QWidget* PanelTop = nullptr;
  QLabel* LabelBai = nullptr;
  QComboBox* ComboBoxBai = nullptr;
  QPushButton* ButtonPrevious = nullptr;
  QPushButton* ButtonNext = nullptr;
  QLabel* LabelPage = nullptr;
  QScrollArea* ScrollBox1 = nullptr;
  QLabel* Image1 = nullptr;

  // The pages to show and the device they were laid out for (its offsets place them on
  // the sheet). The window keeps them until they are replaced.
  void SetPages(std::vector<Page> pages, const DeviceMetrics& metrics);
  int CurrentPage() const { return current_; }
  int PageCount() const { return static_cast<int>(pages_.size()); }

 public slots:
  void FormShow();
  void ButtonPreviousClick();
  void ButtonNextClick();
  void ComboBoxBaiChange();
  void Redraw();
  void PageDown();
  void PageUp();
  void FirstPage();
  void LastPage();
  void ZoomIn();
  void ZoomOut();

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildControls();
  void BuildKeys();
  bool HandleKey(const QKeyEvent* event);
  void OpenLarge();
  void ShowPage(int page, bool atEnd);
  void UpdateButtons();

  std::vector<Page> pages_;
  DeviceMetrics metrics_;
  int current_ = 0;
  QWidget* sheet_ = nullptr;  // the scroll box's content, at least as wide as its view
  bool redrawing_ = false;
};
