// Placeholder until start-up lands: keeps the library non-empty.
namespace vyr {}
