// Placeholder so the windows library has a source until the windows land.
namespace kestrin {}
