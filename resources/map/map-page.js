// The customer map page. The map window drives it through the functions below and reads the
// user's pick from the document title ("longitude#latitude#address"). The base map is drawn
// from the provinces' and cities' boundaries shipped with the page, so it works without the
// network; map tiles, when their server answers, are laid over it.
(function () {
    'use strict';

    var settings = new URLSearchParams(window.location.search);
    var tileUrl = settings.has('tiles') ? settings.get('tiles')
        : 'https://tile.openstreetmap.org/{z}/{x}/{y}.png';
    var geocoderUrl = settings.get('geocoder') || '';
    var geocoderTimeoutMs = 4000;

    // The boundary files store each ring as characters: pairs of zigzag-coded differences
    // from the previous point, starting at the ring's offset, in 1/scale degrees. A base map
    // needs no finer detail than about a kilometre: a point that close to the last one kept is
    // left out, which leaves a fraction of the points to draw again at every zoom.
    var ringDetail = 0.01;

    function decodeRing(text, offset, scale) {
        var points = [];
        var x = offset[0];
        var y = offset[1];
        var last = null;
        for (var i = 0; i + 1 < text.length; i += 2) {
            var dx = text.charCodeAt(i) - 64;
            var dy = text.charCodeAt(i + 1) - 64;
            x += (dx >> 1) ^ (-(dx & 1));
            y += (dy >> 1) ^ (-(dy & 1));
            var point = [x / scale, y / scale];
            var closing = i + 3 >= text.length;
            if (!last || closing
                || Math.abs(point[0] - last[0]) + Math.abs(point[1] - last[1]) >= ringDetail) {
                points.push(point);
                last = point;
            }
        }
        return points;
    }

    function decodePolygon(rings, offsets, scale) {
        return rings.map(function (ring, i) {
            return typeof ring === 'string' ? decodeRing(ring, offsets[i], scale) : ring;
        });
    }

    function decodeBoundaries(geoJson) {
        if (!geoJson.UTF8Encoding)
            return geoJson;
        var scale = geoJson.UTF8Scale || 1024;
        geoJson.features.forEach(function (feature) {
            var geometry = feature.geometry;
            if (geometry.type === 'Polygon') {
                geometry.coordinates =
                    decodePolygon(geometry.coordinates, geometry.encodeOffsets, scale);
            } else if (geometry.type === 'MultiPolygon') {
                geometry.coordinates = geometry.coordinates.map(function (polygon, i) {
                    return decodePolygon(polygon, geometry.encodeOffsets[i], scale);
                });
            }
        });
        geoJson.UTF8Encoding = false;
        return geoJson;
    }

    var boundaries = window.boundaryMaps || {};
    var china = boundaries.china ? decodeBoundaries(boundaries.china)
        : { type: 'FeatureCollection', features: [] };
    var provinceAreas = {};
    Object.keys(boundaries).forEach(function (name) {
        if (name !== 'china')
            provinceAreas[name] = decodeBoundaries(boundaries[name]);
    });

    // The markers' clusters need the map's zoom range also when no tile layer gives one.
    var startView = { center: [35, 105], zoom: 4 };
    var map = L.map('map', { preferCanvas: true, worldCopyJump: true, minZoom: 3, maxZoom: 18 })
        .setView(startView.center, startView.zoom);
    window.map = map;
    map.createPane('basePane').style.zIndex = 150;

    Object.keys(provinceAreas).forEach(function (name) {
        L.geoJSON(provinceAreas[name], {
            pane: 'basePane', interactive: false, smoothFactor: 3,
            style: { color: '#b8c0c8', weight: 0.6, fillColor: '#f5f2ea', fillOpacity: 1 }
        }).addTo(map);
    });
    L.geoJSON(china, {
        pane: 'basePane', interactive: false, smoothFactor: 3,
        style: { color: '#7d8a96', weight: 1.2, fill: false }
    }).addTo(map);
    var baseAttribution = 'China boundaries: Apache ECharts 4 maps';
    map.attributionControl.addAttribution(baseAttribution);
    if (tileUrl && tileUrl !== 'none') {
        var osm = tileUrl.indexOf('openstreetmap.org') >= 0;
        L.tileLayer(tileUrl, {
            maxZoom: 19,
            attribution: osm
                ? '&copy; <a href="https://www.openstreetmap.org/copyright">OpenStreetMap</a> contributors'
                : ''
        }).addTo(map);
    }

    var pointLayer = L.layerGroup().addTo(map);
    var customerMarkers = [];
    var cluster = null;
    var clustersReady = false;
    var localPlace = null;
    var lastSearch = null;
    var picking = false;

    function toLatLng(longitude, latitude) {
        var lng = parseFloat(longitude);
        var lat = parseFloat(latitude);
        if (!isFinite(lng) || !isFinite(lat) || Math.abs(lat) > 90 || Math.abs(lng) > 180)
            return null;
        return L.latLng(lat, lng);
    }

    // A label as text: only the list's "<BR>" becomes a line break, any other markup is shown
    // as the characters it is made of.
    function labelNode(label) {
        var node = document.createElement('div');
        String(label).split('<BR>').forEach(function (line, i) {
            if (i > 0)
                node.appendChild(document.createElement('br'));
            node.appendChild(document.createTextNode(line));
        });
        return node;
    }

    function showPoint(latLng, label, zoom) {
        pointLayer.clearLayers();
        var marker = L.marker(latLng).addTo(pointLayer);
        if (label)
            marker.bindPopup(labelNode(label));
        // At once, without gliding there: the window's showing asks for the place to be shown.
        map.setView(latLng, Math.max(map.getZoom(), zoom), { animate: false });
    }

    function ringContains(ring, lng, lat) {
        var inside = false;
        for (var i = 0, j = ring.length - 1; i < ring.length; j = i++) {
            var xi = ring[i][0], yi = ring[i][1], xj = ring[j][0], yj = ring[j][1];
            if ((yi > lat) !== (yj > lat) && lng < (xj - xi) * (lat - yi) / (yj - yi) + xi)
                inside = !inside;
        }
        return inside;
    }

    function featureContains(feature, lng, lat) {
        var geometry = feature.geometry;
        var polygons = geometry.type === 'Polygon' ? [geometry.coordinates]
            : geometry.type === 'MultiPolygon' ? geometry.coordinates : [];
        return polygons.some(function (polygon) {
            return polygon.length > 0 && ringContains(polygon[0], lng, lat);
        });
    }

    function areaNameAt(areas, lng, lat) {
        for (var i = 0; areas && i < areas.features.length; ++i) {
            if (featureContains(areas.features[i], lng, lat))
                return areas.features[i].properties.name;
        }
        return '';
    }

    // The province and city of a point, from the boundaries: the address of a pick.
    function placeNameAt(lng, lat) {
        var province = areaNameAt(china, lng, lat);
        var city = province ? areaNameAt(provinceAreas[province], lng, lat) : '';
        return province + city;
    }

    window.GetBOnLine = function () {
        document.title = window.L && map ? 'defined' : 'undefined';
    };

    window.setLocationByPoint = function (longitude, latitude) {
        var latLng = toLatLng(longitude, latitude);
        if (latLng)
            showPoint(latLng, '', 12);
    };

    window.setLocalPlace = function (longitude, latitude, name) {
        localPlace = name ? { lng: longitude, lat: latitude, name: name } : null;
    };

    function showSearchResult(address, source, lng, lat, name) {
        lastSearch = { address: address, source: source, lng: lng, lat: lat, name: name };
        showPoint(L.latLng(lat, lng), address, source === 'local' ? 9 : 14);
    }

    function showWholeCountry() {
        map.setView(startView.center, startView.zoom, { animate: false });
    }

    function searchLocally(address) {
        if (localPlace) {
            showSearchResult(address, 'local', localPlace.lng, localPlace.lat, localPlace.name);
        } else {
            lastSearch = { address: address, source: 'none' };
            showWholeCountry();
        }
    }

    function searchOnNetwork(address) {
        var controller = new AbortController();
        var timer = setTimeout(function () { controller.abort(); }, geocoderTimeoutMs);
        return fetch(geocoderUrl + encodeURIComponent(address), { signal: controller.signal })
            .then(function (response) { return response.ok ? response.json() : []; })
            .then(function (found) {
                clearTimeout(timer);
                var first = Array.isArray(found) ? found[0] : null;
                var latLng = first ? toLatLng(first.lon, first.lat) : null;
                if (!latLng)
                    throw new Error('not found');
                showSearchResult(address, 'network', latLng.lng, latLng.lat,
                    first.display_name || address);
            });
    }

    window.SearchSite = function () {
        var address = document.getElementById('searchSite').value;
        lastSearch = { address: address, source: 'pending' };
        if (!geocoderUrl) {
            searchLocally(address);
            return;
        }
        searchOnNetwork(address).catch(function () { searchLocally(address); });
    };

    window.SetCenterByLongLati = function (longitude, latitude, index, address) {
        var latLng = toLatLng(longitude, latitude);
        if (!latLng)
            return;
        var marker = L.marker(latLng, {
            customerIndex: index,
            icon: L.divIcon({
                className: 'customer-number', html: String(index + 1),
                iconSize: [24, 24], iconAnchor: [12, 12]
            })
        });
        marker.bindPopup(labelNode(address));
        customerMarkers.push(marker);
    };

    // The customers' numbered markers replace the single point: in list mode the window also
    // shows the last customer's position, which is already one of them. The map first moves to
    // the markers, so that the clusters are made once, for the zoom they are seen at; the
    // markers go in in chunks, leaving the page free between them.
    window.MarkCluster = function () {
        pointLayer.clearLayers();
        if (cluster)
            map.removeLayer(cluster);
        clustersReady = customerMarkers.length === 0;
        if (customerMarkers.length > 0) {
            map.fitBounds(L.latLngBounds(customerMarkers.map(function (marker) {
                return marker.getLatLng();
            })), { padding: [30, 30], maxZoom: 12, animate: false });
        }
        cluster = L.markerClusterGroup({
            chunkedLoading: true,
            chunkProgress: function (processed, total) {
                clustersReady = processed === total && total === customerMarkers.length;
            }
        });
        map.addLayer(cluster);
        cluster.addLayers(customerMarkers);
    };

    // A new showing of the window on the page it already has: the page as it was loaded. The
    // map stays where it is when the showing moves it to a place of its own anyway: drawing
    // the whole country once more only to leave it again would cost the most time of all.
    window.ResetPage = function (toWholeCountry) {
        map.clearOverlays();
        localPlace = null;
        lastSearch = null;
        window.SetBCallWinForm(0);
        document.getElementById('searchSite').value = '';
        document.title = 'map';
        if (toWholeCountry)
            showWholeCountry();
    };

    window.SetBCallWinForm = function (on) {
        picking = on === 1;
        map.getContainer().style.cursor = picking ? 'crosshair' : '';
    };

    map.on('click', function (event) {
        if (!picking)
            return;
        var lng = event.latlng.lng.toFixed(6);
        var lat = event.latlng.lat.toFixed(6);
        var address = placeNameAt(event.latlng.lng, event.latlng.lat);
        showPoint(event.latlng, address, map.getZoom());
        document.title = lng + '#' + lat + '#' + address;
    });

    map.clearOverlays = function () {
        pointLayer.clearLayers();
        if (cluster)
            map.removeLayer(cluster);
        cluster = null;
        clustersReady = false;
        customerMarkers = [];
    };

    // What the page shows, for the window's checks and its tests.
    window.mapPageState = function (withLabels) {
        var center = map.getCenter();
        return {
            lng: center.lng, lat: center.lat, zoom: map.getZoom(),
            search: lastSearch, picking: picking,
            points: pointLayer.getLayers().length,
            baseAreas: china.features.length, cityMaps: Object.keys(provinceAreas).length,
            customers: customerMarkers.map(function (marker) {
                var state = {
                    index: marker.options.customerIndex,
                    lng: marker.getLatLng().lng, lat: marker.getLatLng().lat
                };
                if (withLabels) {
                    var node = marker.getPopup().getContent();
                    state.text = node.textContent;
                    state.lines = node.getElementsByTagName('br').length + 1;
                    state.elements = node.getElementsByTagName('*').length;
                }
                return state;
            }),
            clustered: cluster !== null && map.hasLayer(cluster) && clustersReady,
            clusterIcons: document.querySelectorAll('.marker-cluster').length,
            pointLabel: (function () {
                var marker = pointLayer.getLayers()[0];
                var popup = marker && marker.getPopup();
                return popup ? popup.getContent().textContent : null;
            })()
        };
    };
}());
