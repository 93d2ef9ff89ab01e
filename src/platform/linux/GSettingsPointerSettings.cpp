#include "platform/linux/GSettingsPointerSettings.h"

#include "core/hooks/DesktopPointerSpeed.h"
#include "platform/linux/GioLibrary.h"

#include <cstring>

namespace qx71 {

GSettingsPointerSettings::GSettingsPointerSettings(std::string schemaId)
    : schemaId_(std::move(schemaId))
{
}

GSettingsPointerSettings::~GSettingsPointerSettings()
{
    if (settings_ != nullptr) {
        gio_->g_settings_sync();
        gio_->g_object_unref(settings_);
    }
}

bool GSettingsPointerSettings::Open(std::string& error)
{
    std::lock_guard lock(mutex_);
    return OpenLocked(error);
}

bool GSettingsPointerSettings::OpenLocked(std::string& error)
{
    if (!tried_) {
        tried_ = true;
        gio_ = GioLibrary::Get(error_);
        if (gio_ != nullptr) {
            // A missing schema makes g_settings_new abort the program: look it up first.
            GSettingsSchemaSource* source = gio_->g_settings_schema_source_get_default();
            GSettingsSchema* schema =
                source != nullptr
                    ? gio_->g_settings_schema_source_lookup(source, schemaId_.c_str(), TRUE)
                    : nullptr;
            if (schema == nullptr) {
                error_ = "the settings schema " + schemaId_ + " is not installed";
            } else if (gio_->g_settings_schema_has_key(schema, kSpeedKey) == FALSE ||
                       gio_->g_settings_schema_has_key(schema, kProfileKey) == FALSE) {
                error_ = "the settings schema " + schemaId_ + " lacks " + kSpeedKey + " or " +
                         kProfileKey;
            } else {
                settings_ = gio_->g_settings_new_full(schema, nullptr, nullptr);
            }
            if (schema != nullptr) {
                gio_->g_settings_schema_unref(schema);
            }
        }
    }
    if (settings_ == nullptr) {
        error = error_;
        return false;
    }
    return true;
}

bool GSettingsPointerSettings::SetPrecision(bool on)
{
    std::lock_guard lock(mutex_);
    std::string error;
    if (!OpenLocked(error)) {
        return false;
    }
    auto* settings = static_cast<GSettings*>(settings_);
    // The new string is floating: the set call takes it.
    const bool took =
        gio_->g_settings_set_value(settings, kProfileKey,
                                   gio_->g_variant_new_string(on ? kAdaptive : kFlat)) != FALSE;
    gio_->g_settings_sync();
    return took;
}

bool GSettingsPointerSettings::SetSpeed(int speed)
{
    if (speed < kMinSpeed || speed > kMaxSpeed) {
        return false;
    }
    std::lock_guard lock(mutex_);
    std::string error;
    if (!OpenLocked(error)) {
        return false;
    }
    auto* settings = static_cast<GSettings*>(settings_);
    const bool took =
        gio_->g_settings_set_double(settings, kSpeedKey, DesktopSpeedOf(speed)) != FALSE;
    gio_->g_settings_sync();
    return took;
}

bool GSettingsPointerSettings::SetWheelLines(int)
{
    return false;
}

PointerSupport GSettingsPointerSettings::Supports() const
{
    return {true, true, false};
}

PointerValues GSettingsPointerSettings::Current()
{
    std::lock_guard lock(mutex_);
    std::string error;
    PointerValues values;
    if (!OpenLocked(error)) {
        return values;
    }
    auto* settings = static_cast<GSettings*>(settings_);
    values.speed = SpeedOfDesktop(gio_->g_settings_get_double(settings, kSpeedKey));
    GVariant* profile = gio_->g_settings_get_value(settings, kProfileKey);
    if (profile != nullptr) {
        const char* text = gio_->g_variant_get_string(profile, nullptr);
        if (std::strcmp(text, kAdaptive) == 0) {
            values.precision = true;
        } else if (std::strcmp(text, kFlat) == 0) {
            values.precision = false;
        }
        // 'default' leaves it to the device, which neither on nor off describes.
        gio_->g_variant_unref(profile);
    }
    return values;
}

} // namespace qx71
