// Placeholder so the report library has a source until the report lands.
namespace kestrin {}
