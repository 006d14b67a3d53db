// Placeholder so the run library has a source until run control lands.
namespace kestrin {}
