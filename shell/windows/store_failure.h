#pragma once

class QWidget;

namespace morvane {

class SettingsStore;

// Tells the user, with the message dialog over parent, that what they just changed could not be
// stored in the store's file, which the message names. Does nothing when stored is true. A
// caller passes the outcome of all the writes one action made, so that the user hears once per
// failed action. Returns stored.
bool TellIfNotStored(QWidget* parent, const SettingsStore& store, bool stored);

// The same notice without waiting for the user: the message dialog opens and the caller goes on.
void TellSoonIfNotStored(QWidget* parent, const SettingsStore& store, bool stored);

// Tells the user, with the message dialog over parent, that the store's file cannot be used as it
// is (it is no regular file, or far too large) and that the game goes on with the default
// settings. Does nothing when the file can be used.
void TellIfFileRefused(QWidget* parent, const SettingsStore& store);

}  // namespace morvane
