// Trevik AP map page script (placeholder until the map page is built).
