#pragma once

#include "entry/Controls.h"
#include "entry/HeaderPage.h"
#include "entry/ObservationPage.h"
#include "entry/SitesPage.h"
#include "report/FileSystem.h"
#include "settings/ProfileFile.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace selen {

// The observer's usual entries kept in the settings file: three slots each
// for the header identity, the site, the telescope, the observer and the
// observation method. Slot 1 is the default, recalled at start-up, on New
// and into every record the add button appends.
//
// The slots live only in the file. Every key is read or written on its own
// (the settings file is opened and closed for each), in a fixed order; a key
// is named by its stem followed by the slot digit, so "LongDeg " gives
// "LongDeg 2". Values are the fields' texts as they stand (CP932), the
// caption of a hemisphere label, "1" or "0" for the surveyed box, and the
// whole text of a chosen line.
//
// A recall sets each control as the user would and puts it into the
// selected site line, observer line or observation record before the next
// key is read: text fields take the value through their key filter and byte
// limit; the datum and method lists choose the first line whose first two
// bytes equal the value's, the telescope lists the line equal to the whole
// value, and either falls back to the first line. A missing key reads as an
// empty value, an unticked box and the east and north labels.
class RegisteredEntries {
public:
    static constexpr int kSlots = 3;

    RegisteredEntries(ProfileFile& settings, HeaderPage& header, SitesPage& sites, ObservationPage& observation);
    RegisteredEntries(const RegisteredEntries&) = delete;
    RegisteredEntries& operator=(const RegisteredEntries&) = delete;

    // Each store writes the keys of its slot (1 to 3) in order and stops at
    // the first write that fails: that failure is returned, the keys before
    // it stay written and the keys after it are not written. A slot outside
    // 1 to 3 throws std::out_of_range (a programming fault).
    FileResult storeHeaderSlot(int slot);
    FileResult storeSiteSlot(int slot);
    FileResult storeTelescopeSlot(int slot);
    FileResult storeObserverSlot(int slot);
    FileResult storeMethodSlot(int slot);

    void recallHeaderSlot(int slot);
    void recallSiteSlot(int slot);
    void recallTelescopeSlot(int slot);
    void recallObserverSlot(int slot);
    // With fromSelector the selected record is then loaded into every
    // observation field, so that fields and record agree.
    void recallMethodSlot(int slot, bool fromSelector = false);

    // Start-up and New: slot 1 of header, site, telescope, observer and
    // method, in that order.
    void recallDefaults();

    // Button6: registers the header fields as the default (slot 1); a
    // failure goes to onWriteFailed.
    void registerHeaderDefault();

    // The selectors beside each group. Choosing line k (1 to 3) of a register
    // selector stores slot k, after which the selector shows line 0 again;
    // choosing line k of a recall selector recalls slot k and the selector
    // keeps showing it. Line 0 does nothing.
    ChoiceControl headerRegister;     // ComboBox30
    ChoiceControl headerRecall;       // ComboBox31
    ChoiceControl siteRegister;       // ComboBox20
    ChoiceControl siteRecall;         // ComboBox21
    ChoiceControl telescopeRegister;  // ComboBox22
    ChoiceControl telescopeRecall;    // ComboBox23
    ChoiceControl observerRegister;   // ComboBox24
    ChoiceControl observerRecall;     // ComboBox25
    ChoiceControl methodRegister;     // ComboBox26
    ChoiceControl methodRecall;       // ComboBox27

    // A store started from a selector or Button6 that failed; the error
    // names the settings file.
    std::function<void(const FileResult&)> onWriteFailed;

private:
    struct Key {
        std::string_view stem;
        std::string missing;                           // what a missing key reads as
        std::function<std::string()> value;            // what a store writes
        std::function<void(const std::string&)> set;   // what a recall does with the value read
    };
    struct Category {
        std::string_view section;
        std::vector<Key> keys;
    };

    void buildHeaderKeys();
    void buildSiteKeys();
    void buildTelescopeKeys();
    void buildObserverKeys();
    void buildMethodKeys();
    void wireSelectors(ChoiceControl& store, ChoiceControl& recall, FileResult (RegisteredEntries::*storeSlot)(int),
                       const std::function<void(int)>& recallSlot);

    FileResult store(const Category& category, int slot);
    void recall(const Category& category, int slot);
    void reportFailure(const FileResult& result) const;

    ProfileFile& settings_;
    HeaderPage& header_;
    SitesPage& sites_;
    ObservationPage& observation_;
    Category headerKeys_;
    Category siteKeys_;
    Category telescopeKeys_;
    Category observerKeys_;
    Category methodKeys_;
};

}  // namespace selen
