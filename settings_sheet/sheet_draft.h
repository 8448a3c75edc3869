#pragma once
// What the settings sheet edits: a draft of the settings and of both lists, committed
// together by OK and dropped by Cancel.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "listing/lister.h"
#include "settings_sheet/list_editor.h"

namespace veldor {

/// The sheet's working copy. Each page loads its controls from the draft and stores them
/// into it when the user leaves the page or presses OK; no page writes the live settings.
class SheetDraft {
 public:
  explicit SheetDraft(ListerContext& context);
  SheetDraft(const SheetDraft&) = delete;
  SheetDraft& operator=(const SheetDraft&) = delete;

  ListerContext& context() { return context_; }
  ListingSettings& settings() { return draft_; }
  const ListingSettings& settings() const { return draft_; }

  // 基本設定: the extension text.
  /// The text of the extension box, UTF-8.
  std::string ExtensionText() const;
  /// Takes the box's text; a text the user left as it was keeps its bytes.
  void SetExtensionText(std::string_view utf8);
  /// The warning for an extension text without any ".", whichever filter is chosen; the
  /// page then selects the whole text. Nothing when the text may stand.
  std::optional<Message> ExtensionWarning() const;

  // 出力設定: the templates chosen per carrier.
  /// The output page has been shown: OK asks about carriers without templates.
  void OpenOutput() { output_opened_ = true; }
  /// The carrier list's position of the stored carrier; -1 when it names none.
  int CarrierPosition() const;
  /// The carrier at a position of the carrier list (docomo, Vodafone, au).
  static std::optional<Carrier> CarrierAt(int position);
  /// The template files a carrier may choose from, CP932 names in the folder's order.
  std::vector<std::string> TemplateFiles(Carrier carrier) const;
  bool IsChosen(Carrier carrier, std::string_view name) const;
  void Choose(Carrier carrier, std::vector<std::string> names);
  /// The question for each carrier left without a template, in carrier order.
  std::vector<Message> TemplateQuestions() const;

  // 拡張設定1 and 拡張設定2.
  ListEditor& list(ListKind kind) { return kind == ListKind::FileNames ? files_ : folders_; }

  /// OK, once the page on view has stored its controls: asks about carriers without
  /// templates (when the output page was shown), writes the shown lists, then commits the
  /// draft to the live settings. False, at the first Cancel or failed write, keeps the
  /// sheet open and the live settings as they were.
  bool Apply();

 private:
  ListerContext& context_;
  ListingSettings draft_;
  std::string extension_bytes_;  ///< CP932, the stored form: every extension and one blank
  bool output_opened_ = false;
  ListEditor files_;
  ListEditor folders_;
};

}  // namespace veldor
