#version 120
// Walls: ambient tint, a soft light from mLightPos, the shadow map, and "diss", the opacity the
// visual lowers while a wall would hide the baker.
#define pixelMain main

uniform sampler2D baseTexture;   // texture unit 0
uniform sampler2D shadowTexture; // texture unit 1
uniform vec4 mColor;
uniform vec3 mLightPos;
uniform float diss;

varying vec2 texCoord;
varying vec2 shadowCoord;
varying vec3 worldNormal;
varying vec3 worldPosition;

void pixelMain()
{
    vec4 texel = texture2D(baseTexture, texCoord);
    vec3 toLight = mLightPos - worldPosition;
    float facing = length(toLight) > 0.0 ? abs(dot(normalize(worldNormal), normalize(toLight))) : 1.0;
    float light = (0.85 + 0.15 * facing) * (1.0 - 0.6 * texture2D(shadowTexture, shadowCoord).r);
    gl_FragColor = vec4(texel.rgb * mColor.rgb * light, texel.a * mColor.a * diss);
}
