// The boundary scripts register their maps with a charting library; this page is not one, so
// it stands in for the library's registerMap and keeps the GeoJSON for the vector base map.
window.boundaryMaps = {};
window.echarts = {
    registerMap: function (name, geoJson) { window.boundaryMaps[name] = geoJson; }
};
