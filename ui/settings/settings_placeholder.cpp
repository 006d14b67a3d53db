// Placeholder so the settings library has a source until the settings file lands.
namespace kestrin {}
