// The chain's segment text records ("measurement#code@user@prefix@suffix") and the lookups of
// its appended texts.
#include "proxy/QBdim.h"

#include <exception>

#include "acadobjects/Messages.h"
#include "acadobjects/NumberFormat.h"
#include "host/ed/CommandLine.h"
#include "host/ge/AcGeContext.h"
#include "host/mfc/Exceptions.h"
#include "settings/DebugLog.h"

namespace {

const int kFieldMeasure = 0;
const int kFieldUser = 1;
const int kFieldPrefix = 2;
const int kFieldSuffix = 3;

const wchar_t kFieldSeparator = L'@';
const wchar_t kCodeSeparator = L'#';

// The text part of field 0 (up to the first "#").
CString MeasureTextPart(const CString& field) {
  int hash = field.Find(kCodeSeparator);
  return hash < 0 ? field : field.Left(hash);
}

// The location code of field 0 (after the first "#"), 0 without one.
int MeasureCode(const CString& field) {
  int hash = field.Find(kCodeSeparator);
  return hash < 0 ? 0 : ParseInt(field.Mid(hash + 1));
}

CString MeasureField(const CString& text, int code) {
  CString field;
  field.Format(L"%s#%d", text.GetString(), code);
  return field;
}

// Puts a duplicate appended text away: the first record found is the one that counts.
void DropDuplicate(CObArray& list, INT_PTR k, const wchar_t* commandLineText) {
  delete list[k];
  list.RemoveAt(k);
  TraceMsgF(L"\nGetAppendingText: duplicate record %d removed ", static_cast<int>(k));
  acutPrintf(L"%s", commandLineText);
}

}  // namespace

int QBdim::GetDimTextArray(int i, CStringArray& out) const {
  out.RemoveAll();
  if (i < 1 || i >= arrayText.GetSize()) return 0;
  const CString& record = arrayText[i];
  int start = 0;
  for (int at = record.Find(kFieldSeparator); at >= 0; at = record.Find(kFieldSeparator, start)) {
    out.Add(record.Mid(start, at - start));
    start = at + 1;
  }
  out.Add(record.Mid(start));
  return static_cast<int>(out.GetSize());
}

int QBdim::SetDimTextArray(int i, const CStringArray& fields) {
  if (i < 0) {
    TraceMsgF(L"\nSetDimTextArray: index %d ", i);
    return 0;
  }
  assertWriteEnabled();
  CString record;
  for (INT_PTR k = 0; k < fields.GetSize(); ++k) {
    if (k > 0) record += kFieldSeparator;
    record += fields[k];
  }
  // Index 0 is the spare slot: a text for it goes to the first segment.
  arrayText.SetAtGrow(i == 0 ? 1 : i, record);
  return 1;
}

int QBdim::SetDimTextDim(int i, const wchar_t* text) {
  if (!text) {
    TraceMsgF(L"\nSetDimTextDim: no text for %d ", i);
    return 0;
  }
  if (i < 0) {
    TraceMsgF(L"\nSetDimTextDim: index %d ", i);
    return 0;
  }
  try {
    // The record that SetDimTextArray writes is the one whose fields are kept.
    int index = i == 0 ? 1 : i;
    CString measure = *text ? CString(text) : CString(L"0");
    assertWriteEnabled();
    if (index >= arrayText.GetSize()) arrayText.SetAtGrow(index, CString());
    CStringArray fields;
    GetDimTextArray(index, fields);
    if (fields.IsEmpty()) fields.Add(CString());
    fields[kFieldMeasure] = MeasureField(measure, MeasureCode(fields[kFieldMeasure]));
    return SetDimTextArray(index, fields);
  } catch (CException* e) {
    e->Delete();
  } catch (const std::exception& e) {
    TraceMsgF(L"\nSetDimTextDim: %s ", CString(e.what()).GetString());
  } catch (...) {
  }
  TraceMsgF(L"\nSetDimTextDim: failed for %d ", i);
  ShowMessage(L" SetDimTextDim!!!! ");
  return 0;
}

int QBdim::SetDimTextCode(int i, int code) {
  CStringArray fields;
  if (GetDimTextArray(i, fields) == 0) {
    TraceMsgF(L"\nSetDimTextCode: index %d outside 1..%d ", i, static_cast<int>(arrayText.GetSize()) - 1);
    return 0;
  }
  if (code < 0 && IsDimArc()) code = 8;
  fields[kFieldMeasure] = MeasureField(MeasureTextPart(fields[kFieldMeasure]), code);
  return SetDimTextArray(i, fields);
}

int QBdim::RefreshDimText(int i) {
  if (i < 0 || (i == 0 && !IsDimArc())) i = 1;
  return SetDimTextDim(i, FormatSegment(GetDistance(i)));
}

// Stores text in field k of record i, or clears that field for a null or empty text.
static int SetTextField(QBdim* chain, int i, int k, const wchar_t* text) {
  if (i < 0) {
    TraceMsgF(L"\nSetTextField: index %d ", i);
    return 0;
  }
  CStringArray fields;
  chain->GetDimTextArray(i, fields);
  if (text && *text) {
    while (fields.GetSize() <= k) fields.Add(CString());
    fields[k] = text;
  } else if (k < fields.GetSize()) {
    fields[k].Empty();
  }
  return chain->SetDimTextArray(i, fields);
}

// Field k of record i, or an empty string.
static CString TextField(const QBdim* chain, int i, int k) {
  CStringArray fields;
  if (chain->GetDimTextArray(i, fields) <= k) return CString();
  return fields[k];
}

int QBdim::SetUserText(int i, const wchar_t* text) {
  int result = SetTextField(this, i, kFieldUser, text);
  if (!text || !*text) RefreshDimText(i);
  return result;
}

int QBdim::SetPrefixText(int i, const wchar_t* text) { return SetTextField(this, i, kFieldPrefix, text); }

int QBdim::SetSuffixText(int i, const wchar_t* text) { return SetTextField(this, i, kFieldSuffix, text); }

CString QBdim::GetUserText(int i) const { return TextField(this, i, kFieldUser); }

CString QBdim::GetPrefixText(int i) const { return TextField(this, i, kFieldPrefix); }

CString QBdim::GetSuffixText(int i) const { return TextField(this, i, kFieldSuffix); }

int QBdim::GetAppendingText(int iExt, AppendingText*& out) {
  out = nullptr;
  int found = -1;
  INT_PTR k = 0;
  while (k < AppendTextList.GetSize()) {
    AppendingText* record = AppendingTextAt(k);
    bool match = record->iExt == iExt || (record->iExt <= 1 && iExt <= 1);
    if (!match) {
      ++k;
      continue;
    }
    if (found >= 0) {
      DropDuplicate(AppendTextList, k, L" ***GetAppText-double ");
      continue;
    }
    if (record->iExt <= 1 && iExt <= 1) record->iExt = 1;
    out = record;
    found = static_cast<int>(k);
    ++k;
  }
  return found;
}

int QBdim::GetAppendingTextAt(const AcGePoint3d& anchor, AppendingText*& out) {
  out = nullptr;
  int found = -1;
  INT_PTR k = 0;
  while (k < AppendTextList.GetSize()) {
    AppendingText* record = AppendingTextAt(k);
    if (!record->ptAnchor.isEqualTo(anchor, AcGeContext::gTol)) {
      ++k;
      continue;
    }
    if (found >= 0) {
      DropDuplicate(AppendTextList, k, L" *GetAppText-double* ");
      continue;
    }
    if (record->iExt < 1) record->iExt = 1;
    out = record;
    found = static_cast<int>(k);
    ++k;
  }
  return found;
}
