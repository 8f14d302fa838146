#pragma once
// The well's memo file and depth-note file (wellfile/memofiles.h), by the names the entry code uses.
#include "wellfile/memofiles.h"

namespace entry {

using wellfile::AddDepthNote;
using wellfile::CopyMemoToNotes;
using wellfile::HTextArray;
using wellfile::HTextFilePath;
using wellfile::kHTextCopyMax;
using wellfile::kHTextSlots;
using wellfile::kHTextSpares;
using wellfile::kMemoDepthsBelowLast;
using wellfile::kMemoSpares;
using wellfile::kMemoTextMax;
using wellfile::LoadHText;
using wellfile::LoadMemoFile;
using wellfile::MakeDepthNote;
using wellfile::MemoArray;
using wellfile::MemoFilePath;
using wellfile::MemoSave;
using wellfile::NoteCopy;
using wellfile::SaveHText;
using wellfile::SaveMemoFile;
using wellfile::SetRecordText;
using wellfile::SortHText;
using wellfile::SortMemos;

}  // namespace entry
