#include "frame/SuiteSet.h"

#include "frame/SuiteTables.h"

std::uint16_t gSuiteAcquisitionCount = 0;

namespace {

const ImportSuite* const kRequiredTables[] = {gFrameSuites, gImportSuites};

// The entries after a table's closing entry, when that entry marks optional suites.
const ImportSuite* OptionalSuites() {
  const ImportSuite* entry = gImportSuites;
  while (entry->name != nullptr) ++entry;
  return entry->version == kOptionalSuitesMarker ? entry + 1 : nullptr;
}

ASErr Acquire(const ImportSuite& entry) {
  const void* suite = nullptr;
  ASErr error = sSPBasic->AcquireSuite(entry.name, entry.version, &suite);
  if (error == kNoErr) entry.assign(suite);
  return error;
}

// Releases what a table holds, in table order; the first failure stops the release.
ASErr ReleaseTable(const ImportSuite* entry) {
  for (; entry->name != nullptr; ++entry) {
    if (entry->current() == nullptr) continue;
    ASErr error = sSPBasic->ReleaseSuite(entry->name, entry->version);
    if (error != kNoErr) return error;
    entry->assign(nullptr);
  }
  return kNoErr;
}

}  // namespace

SuiteSet::SuiteSet() {
  for (const ImportSuite* table : kRequiredTables) {
    for (const ImportSuite* entry = table; entry->name != nullptr; ++entry) ++requiredEntries_;
  }
  if (const ImportSuite* optional = OptionalSuites()) {
    for (; optional->name != nullptr; ++optional) ++optionalEntries_;
  }

  if (gSuiteAcquisitionCount == 0) {
    for (const ImportSuite* table : kRequiredTables) {
      for (const ImportSuite* entry = table; entry->name != nullptr && error_ == kNoErr; ++entry) {
        error_ = Acquire(*entry);
      }
    }
  }
  if (error_ == kNoErr) {
    ++gSuiteAcquisitionCount;
    AcquireOptionalSuites();
  }
}

SuiteSet::~SuiteSet() {
  if (gSuiteAcquisitionCount > 0) --gSuiteAcquisitionCount;
  if (gSuiteAcquisitionCount != 0 || sSPBasic == nullptr) return;
  if (ReleaseTable(gFrameSuites) != kNoErr) return;
  if (ReleaseTable(gImportSuites) != kNoErr) return;
  if (const ImportSuite* optional = OptionalSuites()) ReleaseTable(optional);
}

void SuiteSet::AcquireOptionalSuites() {
  const ImportSuite* entry = OptionalSuites();
  if (entry == nullptr || error_ != kNoErr) return;
  for (; entry->name != nullptr; ++entry) {
    if (entry->current() == nullptr && Acquire(*entry) == kNoErr) ++optionalAcquired_;
  }
}
