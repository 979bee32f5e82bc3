// Sprites and text: the slot's texture times the vertex colour; a quad
// without texture (tid 0) draws its colour. A positive radius adds a soft
// light around light_pos. The engine also builds this file with
// SINGLE_TEXTURE defined, alone and with EVERY_QUAD_TEXTURED (see the end of
// the file).
in vec2 fragWorld;
in vec2 fragUv;
flat in float fragTid;
in vec4 fragColor;

out vec4 outColor;

uniform vec2 light_pos;
uniform float radius;
uniform sampler2D textures[32];

// The texture of slot `slot` (tid - 1).
#ifdef DYNAMIC_SAMPLER_INDEX
vec4 sampleSlot(int slot, vec2 uv)
{
    return texture(textures[slot], uv);
}
#else
vec4 sampleSlot(int slot, vec2 uv)
{
    switch (slot) {
        case 0: return texture(textures[0], uv);
        case 1: return texture(textures[1], uv);
        case 2: return texture(textures[2], uv);
        case 3: return texture(textures[3], uv);
        case 4: return texture(textures[4], uv);
        case 5: return texture(textures[5], uv);
        case 6: return texture(textures[6], uv);
        case 7: return texture(textures[7], uv);
        case 8: return texture(textures[8], uv);
        case 9: return texture(textures[9], uv);
        case 10: return texture(textures[10], uv);
        case 11: return texture(textures[11], uv);
        case 12: return texture(textures[12], uv);
        case 13: return texture(textures[13], uv);
        case 14: return texture(textures[14], uv);
        case 15: return texture(textures[15], uv);
        case 16: return texture(textures[16], uv);
        case 17: return texture(textures[17], uv);
        case 18: return texture(textures[18], uv);
        case 19: return texture(textures[19], uv);
        case 20: return texture(textures[20], uv);
        case 21: return texture(textures[21], uv);
        case 22: return texture(textures[22], uv);
        case 23: return texture(textures[23], uv);
        case 24: return texture(textures[24], uv);
        case 25: return texture(textures[25], uv);
        case 26: return texture(textures[26], uv);
        case 27: return texture(textures[27], uv);
        case 28: return texture(textures[28], uv);
        case 29: return texture(textures[29], uv);
        case 30: return texture(textures[30], uv);
        case 31: return texture(textures[31], uv);
    }
    return vec4(1.0);
}
#endif

#ifdef SINGLE_TEXTURE
#ifdef EVERY_QUAD_TEXTURED
// The variant for batches whose every quad samples the one texture in slot 0,
// light off: the texel times the colour and nothing else, so the fragment stage
// reads two varyings instead of four.
void main()
{
    outColor = fragColor * texture(textures[0], fragUv);
}
#else
// The variant for batches with at most one texture, in slot 0, and the light
// off: no branch and one fixed sampler, which the software rasteriser fills
// about a third faster than the general shader. A quad without texture
// (tid 0) takes white instead of the texel.
void main()
{
    outColor = fragColor * mix(vec4(1.0), texture(textures[0], fragUv), step(0.5, fragTid));
}
#endif
#else
void main()
{
    vec4 color = fragColor;
    if (fragTid > 0.5)
        color *= sampleSlot(int(fragTid - 0.5), fragUv);
    if (radius > 0.0) {
        float light = 1.0 - clamp(distance(fragWorld, light_pos) / radius, 0.0, 1.0);
        color.rgb *= 0.5 + 0.5 * light;
    }
    outColor = color;
}
#endif
